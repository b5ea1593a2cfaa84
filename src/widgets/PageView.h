#pragma once
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <memory>

namespace lumivista {

class PrintJob;

/** The first page of a printout on screen, scaled to the widget: the same
 *  paint routine as the printer and the PDF, so what is seen is what prints.
 *  Regions of the page (a chart) can carry an accessible name and description,
 *  so a screen reader can reach them one by one. */
class PageView : public QWidget
{
    Q_OBJECT
public:
    explicit PageView(QWidget *parent = nullptr);
    ~PageView() override;

    struct Region
    {
        QString objectName;
        QRectF mm; // from the printable area's top-left
        QString name;
        QString description;
    };
    void setJob(std::shared_ptr<const PrintJob> job);
    void setRegions(const QList<Region> &regions);
    /** The widget of a region, placed over its part of the page. */
    QWidget *region(const QString &objectName) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    /** Where the printable area lies in the widget, and pixels per millimetre. */
    QRectF pageRect(qreal *perMm) const;
    void placeRegions();

    std::shared_ptr<const PrintJob> m_job;
    QList<std::pair<Region, QWidget *>> m_regions;
};

} // namespace lumivista
