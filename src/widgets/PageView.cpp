#include "PageView.h"
#include "platform/PrintJob.h"
#include <QPainter>
#include <QPaintEvent>

namespace lumivista {

PageView::PageView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(400, 280);
}

PageView::~PageView() = default;

void PageView::setJob(std::shared_ptr<const PrintJob> job)
{
    m_job = std::move(job);
    placeRegions();
    update();
}

void PageView::setRegions(const QList<Region> &regions)
{
    for (auto &[region, widget] : m_regions)
        delete widget;
    m_regions.clear();
    for (const Region &r : regions) {
        auto *widget = new QWidget(this);
        widget->setObjectName(r.objectName);
        widget->setAccessibleName(r.name);
        widget->setAccessibleDescription(r.description);
        widget->setToolTip(r.description);
        widget->setFocusPolicy(Qt::TabFocus);
        widget->show();
        m_regions.append({r, widget});
    }
    placeRegions();
}

QWidget *PageView::region(const QString &objectName) const
{
    for (const auto &[region, widget] : m_regions)
        if (region.objectName == objectName)
            return widget;
    return nullptr;
}

QRectF PageView::pageRect(qreal *perMm) const
{
    const QSizeF page = m_job ? m_job->pageLayout().paintRect(QPageLayout::Millimeter).size() : QSizeF(277, 190);
    const qreal margin = 8;
    const qreal scale = qMin((width() - 2 * margin) / page.width(), (height() - 2 * margin) / page.height());
    if (perMm)
        *perMm = scale;
    const QSizeF size = page * scale;
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void PageView::placeRegions()
{
    qreal perMm = 1;
    const QRectF page = pageRect(&perMm);
    for (auto &[region, widget] : m_regions) {
        const QRectF r(page.left() + region.mm.left() * perMm, page.top() + region.mm.top() * perMm,
                       region.mm.width() * perMm, region.mm.height() * perMm);
        widget->setGeometry(r.toAlignedRect());
    }
}

void PageView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeRegions();
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    qreal perMm = 1;
    const QRectF page = pageRect(&perMm);
    painter.fillRect(page.adjusted(-6, -6, 6, 6), Qt::white);
    if (!m_job || m_job->pageCount() == 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(page.topLeft());
    // The paint routine counts millimetres at the device's resolution; the
    // scale makes the page fill the widget.
    const qreal deviceMm = logicalDpiX() / 25.4;
    painter.scale(perMm / deviceMm, perMm / deviceMm);
    m_job->paintPage(painter, 0);
}

} // namespace lumivista
