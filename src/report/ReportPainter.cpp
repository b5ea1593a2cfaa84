#include "ReportPainter.h"
#include "platform/PrintFailure.h"
#include "platform/PrintJob.h"
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>

namespace lumivista {

namespace {

/** Inner space between a text box's frame and its text. */
constexpr qreal paddingMm = 0.5;

QString familyOf(const QString &family)
{
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return family;
}

QRectF toDevice(const QRectF &mm, qreal k)
{
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
}

void paintPicture(QPainter &painter, const ReportObject &o, const QRectF &box)
{
    QSizeF natural;
    if (o.source.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer svg(o.source);
        if (!svg.isValid())
            throw PrintFailure(QStringLiteral("Immagine non leggibile: %1").arg(o.source));
        natural = svg.defaultSize();
        QSizeF fitted = natural.scaled(box.size(), Qt::KeepAspectRatio);
        svg.render(&painter, QRectF(box.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted));
        return;
    }
    const QImage image(o.source);
    if (image.isNull())
        throw PrintFailure(QStringLiteral("Immagine non leggibile: %1").arg(o.source));
    const QSizeF fitted = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(box.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted), image);
}

void paintDocument(QPainter &painter, const ReportObject &o, const QRectF &box)
{
    QFile file(o.source);
    if (!file.open(QIODevice::ReadOnly))
        throw PrintFailure(QStringLiteral("Documento non leggibile: %1").arg(o.source));
    QTextDocument document;
    document.documentLayout()->setPaintDevice(painter.device());
    QFont base(familyOf(o.font));
    base.setPointSizeF(o.size);
    document.setDefaultFont(base);
    document.setDocumentMargin(0);
    document.setHtml(QString::fromUtf8(file.readAll()));
    document.setTextWidth(box.width());
    painter.save();
    painter.translate(box.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), box.size()));
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, 0), box.size());
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

/** Grouped bars in the object's box: the legend along the top, the categories
 *  under the base line, and each bar's value written upwards above it. Every
 *  text goes to the observer, as a text object's would. */
void paintChart(QPainter &painter, const ReportObject &o, qreal k, PaintObserver *observer)
{
    const auto device = [k](const QRectF &mm) { return toDevice(mm, k); };
    QFont font = ReportPainter::fontOf(o);
    painter.setFont(font);
    const auto text = [&](const QRectF &mm, int flags, const QString &value) {
        painter.setPen(o.colour);
        painter.drawText(device(mm), flags | Qt::TextSingleLine, value);
        if (observer)
            observer->placed({o.name, value, mm, font, flags});
    };
    const qreal legend = 4;
    const qreal labels = 4;
    const QRectF plot(o.box.left(), o.box.top() + legend, o.box.width(), o.box.height() - legend - labels);

    // The legend: a square of each series' colour and its name.
    qreal x = o.box.left();
    for (qsizetype s = 0; s < o.series.size(); ++s) {
        const QColor c = o.seriesColours.value(s, Qt::darkGray);
        painter.fillRect(device(QRectF(x, o.box.top() + 1, 2.5, 2.5)), c);
        const qreal w = painter.fontMetrics().horizontalAdvance(o.series.at(s)) / k + 1;
        text(QRectF(x + 3, o.box.top(), w, 3.5), Qt::AlignLeft | Qt::AlignVCenter, o.series.at(s));
        x += 3 + w + 3;
    }

    double top = 0;
    for (const QList<double> &series : o.values)
        for (const double v : series)
            top = qMax(top, v);
    if (top <= 0)
        top = 1;
    // Room above the highest bar for its value, written upwards.
    qreal longest = 0;
    for (const QStringList &texts : o.valueTexts)
        for (const QString &t : texts)
            longest = qMax(longest, painter.fontMetrics().horizontalAdvance(t) / k);
    const qreal room = qMin(longest + 1, plot.height() / 2);
    const qreal scale = (plot.height() - room) / top;

    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.2 * k));
    painter.drawLine(device(QRectF(plot.bottomLeft(), plot.bottomRight())).topLeft(),
                     device(QRectF(plot.bottomLeft(), plot.bottomRight())).bottomRight());
    const qsizetype groups = o.categories.size();
    const qsizetype bars = qMax<qsizetype>(1, o.series.size());
    const qreal groupWidth = groups > 0 ? plot.width() / groups : plot.width();
    const qreal barWidth = groupWidth * 0.8 / bars;
    for (qsizetype g = 0; g < groups; ++g) {
        const qreal left = plot.left() + g * groupWidth + groupWidth * 0.1;
        text(QRectF(plot.left() + g * groupWidth, plot.bottom() + 0.3, groupWidth, labels - 0.3), Qt::AlignCenter,
             o.categories.at(g));
        for (qsizetype s = 0; s < o.series.size(); ++s) {
            const double v = o.values.value(s).value(g);
            const qreal height = qMax(0.0, v) * scale;
            const QRectF bar(left + s * barWidth, plot.bottom() - height, barWidth, height);
            if (height > 0)
                painter.fillRect(device(bar), o.seriesColours.value(s, Qt::darkGray));
            const QString value = o.valueTexts.value(s).value(g);
            if (value.isEmpty())
                continue;
            // Upwards from just above the bar, inside the box's width of the bar.
            const QRectF mm(bar.left(), bar.top() - room, barWidth, room - 0.3);
            painter.save();
            const QRectF d = device(mm);
            painter.translate(d.bottomLeft());
            painter.rotate(-90);
            painter.setPen(o.colour);
            painter.drawText(QRectF(0, 0, d.height(), d.width()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             value);
            painter.restore();
            if (observer)
                observer->placed({o.name, value, mm, font, int(Qt::AlignLeft | Qt::AlignVCenter)});
        }
    }
}

} // namespace

QFont ReportPainter::fontOf(const ReportObject &object)
{
    QFont font(familyOf(object.font));
    font.setPointSizeF(object.size);
    font.setBold(object.bold);
    font.setItalic(object.italic);
    font.setKerning(false);
    return font;
}

void ReportPainter::paint(QPainter &painter, const QList<ReportObject> &objects, PaintObserver *observer)
{
    QPaintDevice *device = painter.device();
    const qreal k = device->logicalDpiX() / 25.4;
    for (const ReportObject &o : objects) {
        const QRectF box = toDevice(o.box, k);
        switch (o.kind) {
        case ReportObject::Kind::Rect:
            painter.setPen(o.frame ? QPen(o.frameColour, o.frameWidth * k) : QPen(Qt::NoPen));
            painter.setBrush(o.fill.isValid() ? QBrush(o.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(box);
            break;
        case ReportObject::Kind::Line:
            painter.setPen(QPen(o.colour, o.frameWidth * k));
            painter.drawLine(box.topLeft(), box.bottomRight());
            break;
        case ReportObject::Kind::Picture:
            paintPicture(painter, o, box);
            break;
        case ReportObject::Kind::Document:
            paintDocument(painter, o, box);
            break;
        case ReportObject::Kind::Chart:
            paintChart(painter, o, k, observer);
            break;
        case ReportObject::Kind::Text: {
            if (o.fill.isValid())
                painter.fillRect(box, o.fill);
            if (o.frame) {
                painter.setPen(QPen(o.frameColour, o.frameWidth * k));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            const QFont font = fontOf(o);
            painter.setFont(font);
            painter.setPen(o.colour);
            painter.save();
            painter.setClipRect(box);
            const qreal pad = paddingMm * k;
            const int flags = int(o.alignment) | Qt::TextSingleLine;
            if (o.lines.isEmpty() && o.lineHeight == 0) {
                painter.drawText(box.adjusted(pad, 0, -pad, 0), flags, o.text);
                if (observer)
                    observer->placed({o.name, o.text, o.box, font, int(o.alignment)});
            } else {
                const int lineFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
                for (qsizetype i = 0; i < o.lines.size(); ++i) {
                    const QRectF lineMm(o.box.x(), o.box.y() + i * o.lineHeight, o.box.width(), o.lineHeight);
                    painter.drawText(toDevice(lineMm, k).adjusted(pad, 0, -pad, 0), lineFlags, o.lines.at(i));
                    if (observer)
                        observer->placed({o.name, o.lines.at(i), lineMm, font, lineFlags});
                }
            }
            painter.restore();
            break;
        }
        }
    }
}

} // namespace lumivista
