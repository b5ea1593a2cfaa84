#include "ReportPreview.h"
#include "FileDialogService.h"
#include "MessageService.h"
#include "PagedOutput.h"
#include "PrintFailure.h"
#include "PrintJob.h"
#include "core/ProgramFolder.h"
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace lumivista {

namespace {

constexpr int zoomSteps[] = {50, 75, 100, 125, 150, 200, 300};

QPushButton *command(QWidget *parent, QHBoxLayout *bar, const char *name, const QString &caption,
                     const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(hint);
    button->setAutoDefault(false);
    bar->addWidget(button);
    return button;
}

} // namespace

ReportPreview::ReportPreview(const PrintJob &job, MessageService &messages, FileDialogService &files,
                             Printer printer, QWidget *parent)
    : QDialog(parent)
    , m_job(job)
    , m_messages(messages)
    , m_files(files)
    , m_printer(std::move(printer))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa - ") + job.title());
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    layout->addLayout(bar);
    connect(command(this, bar, "btnPreviewStampa", QStringLiteral("Stampa"),
                    QStringLiteral("Stampa il documento sulla stampante scelta.")),
            &QPushButton::clicked, this, &ReportPreview::printJob);
    connect(command(this, bar, "btnPreviewPdf", QStringLiteral("Salva PDF"),
                    QStringLiteral("Salva il documento in un file PDF, ad esempio da inviare per e-mail.")),
            &QPushButton::clicked, this, &ReportPreview::savePdf);
    bar->addSpacing(16);
    connect(command(this, bar, "btnZoomOut", QStringLiteral("Zoom -"), QStringLiteral("Riduce la pagina.")),
            &QPushButton::clicked, this, [this] {
                int next = zoomSteps[0];
                for (int step : zoomSteps)
                    if (step < m_zoom)
                        next = step;
                setZoom(next);
            });
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(QStringLiteral("lblZoom"));
    m_zoomLabel->setMinimumWidth(48);
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_zoomLabel);
    connect(command(this, bar, "btnZoomIn", QStringLiteral("Zoom +"), QStringLiteral("Ingrandisce la pagina.")),
            &QPushButton::clicked, this, [this] {
                for (int step : zoomSteps)
                    if (step > m_zoom) {
                        setZoom(step);
                        return;
                    }
            });
    m_fullScreen = command(this, bar, "btnSchermoIntero", QStringLiteral("Schermo intero"),
                           QStringLiteral("Mostra l'anteprima a schermo intero (Esc per tornare)."));
    connect(m_fullScreen, &QPushButton::clicked, this, &ReportPreview::toggleFullScreen);
    bar->addSpacing(16);
    m_previous = command(this, bar, "btnPaginaPrecedente", QStringLiteral("<"), QStringLiteral("Pagina precedente."));
    m_previous->setAccessibleName(QStringLiteral("Pagina precedente"));
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lblPagina"));
    bar->addWidget(m_pageLabel);
    m_next = command(this, bar, "btnPaginaSuccessiva", QStringLiteral(">"), QStringLiteral("Pagina successiva."));
    m_next->setAccessibleName(QStringLiteral("Pagina successiva"));
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    bar->addStretch(1);
    connect(command(this, bar, "btnPreviewChiudi", QStringLiteral("Chiudi"), QStringLiteral("Chiude l'anteprima.")),
            &QPushButton::clicked, this, &QDialog::reject);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("previewArea"));
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_sheet = new QLabel;
    m_sheet->setObjectName(QStringLiteral("previewSheet"));
    m_scroll->setWidget(m_sheet);
    layout->addWidget(m_scroll, 1);

    const QSize screen = parent && parent->screen() ? parent->screen()->availableSize() : QSize(1280, 900);
    resize(qMin(screen.width() * 9 / 10, 1000), qMin(screen.height() * 9 / 10, 1000));
    render();
}

void ReportPreview::showPage(int page)
{
    if (page < 0 || page >= m_job.pageCount() || page == m_page)
        return;
    m_page = page;
    render();
}

void ReportPreview::setZoom(int percent)
{
    m_zoom = qBound(zoomSteps[0], percent, zoomSteps[std::size(zoomSteps) - 1]);
    render();
}

void ReportPreview::render()
{
    const QPageLayout layout = m_job.pageLayout();
    const qreal ratio = devicePixelRatioF();
    const qreal dpi = 96.0 * m_zoom / 100.0 * ratio;
    const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
    QImage image(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    if (m_job.pageCount() > 0) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
        painter.translate(margins.left() / 25.4 * dpi, margins.top() / 25.4 * dpi);
        m_job.paintPage(painter, m_page);
    }
    QPixmap sheet = QPixmap::fromImage(image);
    sheet.setDevicePixelRatio(ratio);
    m_sheet->setPixmap(sheet);
    m_sheet->resize(sheet.deviceIndependentSize().toSize());
    const int pages = qMax(1, m_job.pageCount());
    m_pageLabel->setText(QStringLiteral("Pagina %1 di %2").arg(m_page + 1).arg(pages));
    m_zoomLabel->setText(QStringLiteral("%1%").arg(m_zoom));
    m_zoomLabel->setAccessibleName(QStringLiteral("Zoom %1%").arg(m_zoom));
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < pages);
}

void ReportPreview::printJob()
{
    try {
        m_printer(this, m_job);
    } catch (...) {
        // The caller reports it as a failed preview, as it would any other.
        m_failure = std::current_exception();
        reject();
    }
}

void ReportPreview::savePdf()
{
    QString stem = m_job.fileStem();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : stem)
        if (forbidden.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    QString path = m_files.saveFile(this, QStringLiteral("Salva il documento in PDF"),
                                    ProgramFolder::file(stem + QStringLiteral(".pdf")),
                                    QStringLiteral("Documenti PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    try {
        PagedOutput::writePdf(m_job, path);
    } catch (const PrintFailure &failure) {
        m_messages.warning(QStringLiteral("Attenzione: il file PDF non è stato salvato.\n\r") + failure.message());
        return;
    }
    m_messages.information(QStringLiteral("Il documento è stato salvato nel file:\n\r") + path);
}

void ReportPreview::toggleFullScreen()
{
    if (isFullScreen()) {
        showNormal();
        m_fullScreen->setText(QStringLiteral("Schermo intero"));
    } else {
        showFullScreen();
        m_fullScreen->setText(QStringLiteral("Finestra"));
    }
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Plus:
        setZoom(m_zoom + 25);
        return;
    case Qt::Key_Minus:
        setZoom(m_zoom - 25);
        return;
    case Qt::Key_Escape:
        if (isFullScreen()) {
            toggleFullScreen();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lumivista
