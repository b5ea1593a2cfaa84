#include "ExportWindow.h"
#include "widgets/KeyboardRules.h"
#include "archive/ExportModel.h"
#include "core/ProgramFolder.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "widgets/HintStrip.h"
#include "widgets/Modal.h"
#include "widgets/PictureButton.h"
#include "widgets/TfrmGuida.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace lumivista {

namespace {

const QString askExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString askOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString exportFailed = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia già "
    "aperto.");

} // namespace

ExportWindow::ExportWindow(Services &services, ExportMember member, const QDate &day, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_member(std::move(member))
    , m_day(day)
    , m_snapshot(*m_member.layout, m_member.columns, m_member.rows, m_member.sortByKey)
{
    setObjectName(m_member.windowName);
    setWindowTitle(m_member.caption);
    build();
}

ExportWindow::~ExportWindow() = default;

void ExportWindow::build()
{
    setProperty("exportWindow", true);
    panInfo = new HintStrip(m_member.initialHint, this);
    panInfo->addBackground(this);

    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("imgBanner"));
    banner->setProperty("exportBanner", true);
    banner->setText(m_member.caption.trimmed());
    panInfo->addBackground(banner);

    const auto command = [this](const char *name, const char *caption, const char *icon, const char *hint,
                                const QKeySequence &key = {}) {
        auto *b = new PictureButton(QLatin1String(name), QString::fromUtf8(caption), QLatin1String(icon),
                                    QString::fromUtf8(hint), this);
        b->setMinimumWidth(64);
        if (!key.isEmpty())
            KeyboardRules::bind(b, key);
        panInfo->setHint(b, b->hint());
        return b;
    };
    cmdEsporta = command("cmdEsporta", "Esporta", "export", "Esporta l'archivio in formato Microsoft Excel.");
    cmdGuida = command("cmdGuida", "Guida", "help", "Visualizza la pagina della guida sensibile al contesto.",
                       QKeySequence(Qt::Key_F1));
    cmdEsci = command("cmdEsci", "Esci", "exit", "Esci da questo ambiente di lavoro.");

    auto *top = new QHBoxLayout;
    top->addWidget(banner, 1);
    top->addWidget(cmdEsporta);
    top->addWidget(cmdGuida);
    top->addWidget(cmdEsci);

    m_model = new ExportModel(m_snapshot, this);
    grdRecords = new QTableView(this);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setAccessibleName(m_member.caption.trimmed());
    grdRecords->setModel(m_model);
    grdRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setDefaultSectionSize(21);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->setColumnWidth(0, 60);
    // The file's widths, scaled to the screen: wide enough to read, narrow enough to see many.
    for (int c = 0; c < m_member.columns.size(); ++c)
        grdRecords->setColumnWidth(c + 1, qMax(80, m_member.columns.at(c).width * 2 / 3));

    barProgress = new QProgressBar(this);
    barProgress->setObjectName(QStringLiteral("barProgress"));
    barProgress->setAccessibleName(QStringLiteral("Avanzamento"));
    barProgress->hide();

    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(grdRecords, 1);
    column->addWidget(barProgress);
    column->addWidget(panInfo);

    connect(cmdEsporta, &QToolButton::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &QDialog::reject);
    resize(1100, 640);
}

QString ExportWindow::filePath() const
{
    return ProgramFolder::file(m_member.fileName);
}

void ExportWindow::open(QWidget *owner, Services &services, const ExportMember &member, const QDate &day)
{
    Modal::run(new ExportWindow(services, member, day, owner));
}

void ExportWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void ExportWindow::FormShow()
{
    // A failure while reading keeps what was read, without a message.
    m_busy.start();
    if (m_member.records)
        m_snapshot.fill(m_member.records());
    else
        m_snapshot.fill(ProgramFolder::file(m_member.layout->archiveFileName()), m_day,
                        [this](qint64 done, qint64 total) { progress(done, total); });
    endProgress();
    m_model->refresh();
}

void ExportWindow::progress(qint64 done, qint64 total)
{
    if (m_busy.elapsed() < 500)
        return;
    if (!barProgress->isVisible()) {
        barProgress->setRange(0, 1000);
        barProgress->show();
    }
    barProgress->setValue(total > 0 ? int(done * 1000 / total) : 0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ExportWindow::endProgress()
{
    barProgress->hide();
}

void ExportWindow::cmdEsportaClick()
{
    if (!m_services.messages.confirm(askExport))
        return;
    m_busy.start();
    const WholeFile::Outcome written =
        m_snapshot.write(filePath(), m_member.sheetName, [this](qint64 done, qint64 total) { progress(done, total); });
    endProgress();
    if (!written) {
        m_services.messages.plain(exportFailed);
        return;
    }
    // The desktop gets the file itself; the program it associates with .xls opens it.
    if (m_services.messages.confirm(askOpen))
        m_services.shell.open(filePath());
}

void ExportWindow::cmdGuidaClick()
{
    TfrmGuida::showHelp(this, m_services, m_member.helpTitle, m_member.helpText);
}

} // namespace lumivista
