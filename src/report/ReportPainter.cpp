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
