#include "TfrmGuida.h"
#include "LinkLabel.h"
#include "WindowPlacement.h"
#include "core/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace lumivista {

TfrmGuida::TfrmGuida(Services &services, QWidget *parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("TfrmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    WindowPlacement::removeTitleButtons(this);
    setFixedSize(670, 572);
    setAutoFillBackground(true);
    QPalette bg = palette();
    bg.setColor(QPalette::Window, Qt::white);
    setPalette(bg);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(20, 14, 64, 64);
    imgLogo->setPixmap(QIcon(QStringLiteral(":/icons/logo.svg")).pixmap(64, 64));

    lblTitolo = new QLabel(this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setGeometry(100, 14, 550, 64);
    QFont titleFont = lblTitolo->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    lblTitolo->setFont(titleFont);
    QPalette titlePalette = lblTitolo->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0x30, 0x30, 0xDD));
    lblTitolo->setPalette(titlePalette);
    lblTitolo->setWordWrap(true);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setGeometry(20, 90, 630, 414);
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Verdana where the system has it, otherwise a metric look-alike.
    QFont memoFont;
    memoFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    memoFont.setPointSize(12);
    memoFont.setBold(true);
    txtGuida->setFont(memoFont);
    txtGuida->setAccessibleName(QStringLiteral("Guida"));
    txtGuida->document()->setDocumentMargin(8);

    imgPdf = new QToolButton(this);
    imgPdf->setObjectName(QStringLiteral("imgPdf"));
    imgPdf->setGeometry(20, 522, 32, 32);
    imgPdf->setIcon(QIcon(QStringLiteral(":/icons/pdf.svg")));
    imgPdf->setIconSize(QSize(28, 28));
    imgPdf->setAutoRaise(true);
    imgPdf->setCursor(Qt::PointingHandCursor);
    imgPdf->setAccessibleName(QStringLiteral("Visualizza guida in formato PDF"));
    imgPdf->setToolTip(QStringLiteral("Visualizza guida in formato PDF"));

    lnkGuida = new LinkLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkGuida->setObjectName(QStringLiteral("lnkGuida"));
    lnkGuida->setGeometry(58, 522, 320, 32);

    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setGeometry(540, 520, 110, 34);
    cmdChiudi->setDefault(true);

    connect(cmdChiudi, &QPushButton::clicked, this, &TfrmGuida::cmdChiudiClick);
    connect(lnkGuida, &LinkLabel::clicked, this, &TfrmGuida::lnkGuidaClick);
    connect(imgPdf, &QToolButton::clicked, this, &TfrmGuida::lnkGuidaClick);
    connect(imgPdf, &QToolButton::pressed, lnkGuida, [this] { lnkGuida->setPressedLook(true); });
    connect(imgPdf, &QToolButton::released, lnkGuida, [this] { lnkGuida->setPressedLook(false); });
}

void TfrmGuida::setTitle(const QString &title)
{
    lblTitolo->setText(title);
}

void TfrmGuida::setText(const QString &text)
{
    txtGuida->setPlainText(text);
}

QString TfrmGuida::guideTarget()
{
    return QLatin1Char('"') + ProgramFolder::file(QStringLiteral("Guida.pdf")) + QLatin1Char('"');
}

void TfrmGuida::cmdChiudiClick()
{
    accept();
}

void TfrmGuida::lnkGuidaClick()
{
    m_services.shell.open(guideTarget());
}

void TfrmGuida::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WindowPlacement::centreOnScreen(this);
    txtGuida->moveCursor(QTextCursor::Start);
    cmdChiudi->setFocus();
}

void TfrmGuida::showHelp(QWidget *owner, Services &services, const QString &title, const QString &text)
{
    QPointer<TfrmGuida> window = new TfrmGuida(services, owner);
    window->setTitle(title);
    window->setText(text);
    window->exec();
    delete window;
}

} // namespace lumivista
