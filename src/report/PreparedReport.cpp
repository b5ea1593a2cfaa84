#include "PreparedReport.h"
#include "ReportPainter.h"

namespace lumivista {

PreparedReport::PreparedReport(QString title, QString fileStem, QPageLayout layout,
                               QList<QList<ReportObject>> pages)
    : m_title(std::move(title))
    , m_stem(std::move(fileStem))
    , m_layout(std::move(layout))
    , m_pages(std::move(pages))
{
}

void PreparedReport::paintPage(QPainter &painter, int page, PaintObserver *observer) const
{
    ReportPainter::paint(painter, m_pages.at(page), observer);
}

} // namespace lumivista
