#pragma once
#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPainter;

namespace lumivista {

/** A text as the paint routine placed it: the object's name, its value and its
 *  box in millimetres from the top-left of the printable area. */
struct PlacedText
{
    QString name;
    QString text;
    QRectF boxMm;
    QFont font;
    int alignment = 0;
};

/** Told of every text the paint routine draws; tests read the page through it. */
class PaintObserver
{
public:
    virtual ~PaintObserver() = default;
    virtual void placed(const PlacedText &text) = 0;
};

/** Prepared pages, ready for the printer, the preview, a PDF file or a test.
 *  paintPage() draws with the painter's origin at the printable area's top-left
 *  and converts millimetres with the painter's device resolution. */
class PrintJob
{
public:
    virtual ~PrintJob() = default;
    /** Report name, used as the document name. */
    virtual QString title() const = 0;
    /** Suggested PDF file name without folder or extension. */
    virtual QString fileStem() const = 0;
    virtual QPageLayout pageLayout() const = 0;
    virtual int pageCount() const = 0;
    virtual void paintPage(QPainter &painter, int page, PaintObserver *observer = nullptr) const = 0;
};

} // namespace lumivista
