#include "TfrmGuida.h"
#include "LinkLabel.h"
#include "Modal.h"
#include "core/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumivista {

TfrmGuida::TfrmGuida(Services &services, QWidget *parent)
    : InfoDialog(services, QStringLiteral("TfrmGuida"), QStringLiteral(" Guida all'utilizzo del software"),
                 QSize(670, 572), Placement::Screen, parent)
{
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

    const QString pdfCaption = QStringLiteral("Visualizza guida in formato PDF");
    lnkGuida = addLink(QStringLiteral("lnkGuida"), pdfCaption, QRect(58, 522, 320, 32), imgPdf,
                       QStringLiteral("imgPdf"), QStringLiteral("pdf"), pdfCaption, pdfCaption, QRect(20, 520, 34, 34));
    addCloseButton(QRect(540, 520, 110, 34));

    connect(lnkGuida, &LinkLabel::clicked, this, &TfrmGuida::lnkGuidaClick);
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

void TfrmGuida::lnkGuidaClick()
{
    services().shell.open(guideTarget());
}

void TfrmGuida::showEvent(QShowEvent *event)
{
    InfoDialog::showEvent(event);
    txtGuida->moveCursor(QTextCursor::Start);
    cmdChiudi->setFocus();
}

void TfrmGuida::showHelp(QWidget *owner, Services &services, const QString &title, const QString &text)
{
    auto *window = new TfrmGuida(services, owner);
    window->setTitle(title);
    window->setText(text);
    Modal::run(window);
}

} // namespace lumivista
