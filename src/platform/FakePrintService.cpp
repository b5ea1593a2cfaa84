#include "FakePrintService.h"
#include <QDir>
#include "PagedOutput.h"
#include "PrintFailure.h"
#include <QImage>
#include <QPainter>

namespace lumivista {

namespace {

class Collector : public PaintObserver
{
public:
    explicit Collector(QList<PlacedText> &texts)
        : m_texts(texts)
    {
    }
    void placed(const PlacedText &text) override { m_texts.append(text); }

private:
    QList<PlacedText> &m_texts;
};

} // namespace

QList<PlacedText> FakePrintService::Request::named(const QString &name, int page) const
{
    QList<PlacedText> found;
    if (page < pages.size())
        for (const PlacedText &text : pages.at(page))
            if (text.name.compare(name, Qt::CaseInsensitive) == 0)
                found.append(text);
    return found;
}

PlacedText FakePrintService::Request::text(const QString &name, int page) const
{
    const QList<PlacedText> found = named(name, page);
    return found.size() == 1 ? found.first() : PlacedText{};
}

bool FakePrintService::print(QWidget *, const PrintJob &job)
{
    if (m_cancel) {
        m_cancel = false;
        return false;
    }
    record(Kind::Print, job);
    return true;
}

void FakePrintService::preview(QWidget *, const PrintJob &job)
{
    record(Kind::Preview, job);
}

void FakePrintService::record(Kind kind, const PrintJob &job)
{
    if (!m_failure.isNull()) {
        const QString message = m_failure;
        m_failure.clear();
        throw PrintFailure(message);
    }
    Request request{kind, job.title(), job.fileStem(), job.pageLayout(), {}};
    // The same paint routine as the printer, on a small page: only what is placed counts.
    const qreal dpi = 24;
    const QSizeF mm = request.layout.fullRect(QPageLayout::Millimeter).size();
    QImage page(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    for (int i = 0; i < job.pageCount(); ++i) {
        request.pages.append(QList<PlacedText>());
        Collector collector(request.pages.last());
        QPainter painter(&page);
        job.paintPage(painter, i, &collector);
    }
    m_requests.append(request);
    // A folder to look at the pages in is made when missing, rather than failing the test that prints.
    if (!m_pdfFolder.isEmpty() && QDir().mkpath(m_pdfFolder))
        PagedOutput::writePdf(job, QStringLiteral("%1/%2.pdf").arg(m_pdfFolder, job.fileStem()));
}

} // namespace lumivista
