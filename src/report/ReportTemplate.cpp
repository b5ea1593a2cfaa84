#include "ReportTemplate.h"
#include "core/Utf8.h"
#include "PreparedReport.h"
#include "core/ProgramFolder.h"
#include "platform/PrintFailure.h"
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>

namespace lumivista {

namespace {

Qt::Alignment horizontal(const QString &word)
{
    if (word == QLatin1String("center"))
        return Qt::AlignHCenter;
    if (word == QLatin1String("right"))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

Qt::Alignment vertical(const QString &word)
{
    if (word == QLatin1String("top"))
        return Qt::AlignTop;
    if (word == QLatin1String("bottom"))
        return Qt::AlignBottom;
    return Qt::AlignVCenter;
}

QColor colour(const QJsonValue &value, const QColor &otherwise)
{
    if (!value.isString())
        return otherwise;
    const QColor c = QColor::fromString(value.toString());
    return c.isValid() ? c : otherwise;
}

QString replaceDate(QString text, const QDate &today)
{
    return text.replace(QLatin1String("[DATE]"), today.toString(QStringLiteral("dd/MM/yyyy")));
}

} // namespace

QString ReportTemplate::folder()
{
    return ProgramFolder::file(QStringLiteral("templates"));
}

ReportTemplate ReportTemplate::named(const QString &fileName)
{
    return load(QDir(folder()).filePath(fileName));
}

ReportTemplate ReportTemplate::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PrintFailure(s("Impossibile leggere il modello di stampa %1: %2").arg(path, file.errorString()));
    return parse(file.readAll(), QFileInfo(path).absolutePath());
}

ReportObject ReportTemplate::object(const QJsonObject &json, const QJsonObject &defaults, const QString &sourceFolder)
{
    auto value = [&](const char *key) { return json.contains(QLatin1String(key)) ? json.value(QLatin1String(key))
                                                                                 : defaults.value(QLatin1String(key)); };
    ReportObject o;
    const QString type = json.value(QLatin1String("type")).toString(QStringLiteral("text"));
    if (type == QLatin1String("rect"))
        o.kind = ReportObject::Kind::Rect;
    else if (type == QLatin1String("line"))
        o.kind = ReportObject::Kind::Line;
    else if (type == QLatin1String("picture"))
        o.kind = ReportObject::Kind::Picture;
    else if (type == QLatin1String("document"))
        o.kind = ReportObject::Kind::Document;
    else if (type == QLatin1String("chart"))
        o.kind = ReportObject::Kind::Chart;
    else if (type != QLatin1String("text"))
        throw PrintFailure(s("Oggetto di tipo sconosciuto nel modello di stampa: %1").arg(type));
    o.name = json.value(QLatin1String("name")).toString();
    if (o.kind == ReportObject::Kind::Line) {
        const QPointF from(json.value(QLatin1String("x1")).toDouble(), json.value(QLatin1String("y1")).toDouble());
        const QPointF to(json.value(QLatin1String("x2")).toDouble(), json.value(QLatin1String("y2")).toDouble());
        o.box = QRectF(from, to);
    } else {
        o.box = QRectF(json.value(QLatin1String("x")).toDouble(), json.value(QLatin1String("y")).toDouble(),
                       json.value(QLatin1String("w")).toDouble(), json.value(QLatin1String("h")).toDouble());
    }
    o.text = json.value(QLatin1String("text")).toString();
    o.font = value("font").toString(o.font);
    o.size = value("size").toDouble(o.size);
    o.bold = value("bold").toBool(false);
    o.italic = value("italic").toBool(false);
    o.colour = colour(value("color"), Qt::black);
    o.alignment = horizontal(json.value(QLatin1String("align")).toString())
        | vertical(json.value(QLatin1String("valign")).toString());
    o.frame = json.value(QLatin1String("frame")).toBool(false);
    o.frameColour = colour(json.value(QLatin1String("frameColor")), Qt::black);
    o.frameWidth = json.value(QLatin1String("width")).toDouble(0.2);
    o.fill = colour(json.value(QLatin1String("fill")), QColor());
    o.expressions = json.value(QLatin1String("expressions")).toBool(false);
    for (const QJsonValue &c : json.value(QLatin1String("colors")).toArray())
        o.seriesColours << colour(c, Qt::darkGray);
    o.source = json.value(QLatin1String("source")).toString();
    if (!o.source.isEmpty()) {
        o.source = QDir(sourceFolder).filePath(o.source);
        if (!QFileInfo(o.source).isFile())
            throw PrintFailure(s("Immagine del modello di stampa non trovata: %1").arg(o.source));
    }
    return o;
}

ReportTemplate ReportTemplate::parse(const QByteArray &json, const QString &sourceFolder)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject())
        throw PrintFailure(s("Modello di stampa non valido: %1").arg(error.errorString()));
    const QJsonObject root = document.object();
    const QJsonObject defaults = root.value(QLatin1String("defaults")).toObject();
    ReportTemplate t;
    t.m_name = root.value(QLatin1String("name")).toString();
    t.m_orientation = root.value(QLatin1String("orientation")).toString() == QLatin1String("landscape")
        ? QPageLayout::Landscape
        : QPageLayout::Portrait;
    t.m_margin = root.value(QLatin1String("margins")).toDouble(10);
    for (const QJsonValue &item : root.value(QLatin1String("objects")).toArray())
        t.m_objects.append(object(item.toObject(), defaults, sourceFolder));
    for (const QJsonValue &item : root.value(QLatin1String("bands")).toArray()) {
        const QJsonObject json = item.toObject();
        Band band;
        band.name = json.value(QLatin1String("name")).toString();
        const QString type = json.value(QLatin1String("type")).toString();
        band.type = type == QLatin1String("title") ? Band::Type::Title
            : type == QLatin1String("footer")     ? Band::Type::Footer
                                                  : Band::Type::Data;
        band.height = json.value(QLatin1String("height")).toDouble();
        for (const QJsonValue &o : json.value(QLatin1String("objects")).toArray())
            band.objects.append(object(o.toObject(), defaults, sourceFolder));
        t.m_bands.append(band);
    }
    return t;
}

QPageLayout ReportTemplate::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), m_orientation, QMarginsF(m_margin, m_margin, m_margin, m_margin),
                       QPageLayout::Millimeter);
}

QSizeF ReportTemplate::printableSize() const
{
    return pageLayout().paintRect(QPageLayout::Millimeter).size();
}

ReportObject *ReportTemplate::find(const QString &name)
{
    return const_cast<ReportObject *>(std::as_const(*this).find(name));
}

const ReportObject *ReportTemplate::find(const QString &name) const
{
    for (const ReportObject &o : m_objects)
        if (!o.name.isEmpty() && o.name.compare(name, Qt::CaseInsensitive) == 0)
            return &o;
    for (const Band &band : m_bands)
        for (const ReportObject &o : band.objects)
            if (!o.name.isEmpty() && o.name.compare(name, Qt::CaseInsensitive) == 0)
                return &o;
    return nullptr;
}

const ReportTemplate::Band *ReportTemplate::band(const QString &name) const
{
    for (const Band &b : m_bands)
        if (b.name.compare(name, Qt::CaseInsensitive) == 0)
            return &b;
    return nullptr;
}

void ReportTemplate::setText(const QString &name, const QString &value)
{
    ReportObject *o = find(name);
    if (!o || o->kind != ReportObject::Kind::Text)
        throw PrintFailure(s("Il modello di stampa \"%1\" non contiene l'oggetto %2.").arg(m_name, name));
    o->text = value;
    o->lines.clear();
}

void ReportTemplate::setChart(const QString &name, const QStringList &categories, const QStringList &series,
                              const QList<QList<double>> &values, const QList<QStringList> &texts)
{
    ReportObject *o = find(name);
    if (!o || o->kind != ReportObject::Kind::Chart)
        throw PrintFailure(s("Il modello di stampa \"%1\" non contiene il grafico %2.").arg(m_name, name));
    o->categories = categories;
    o->series = series;
    o->values = values;
    o->valueTexts = texts;
}

void ReportTemplate::setLines(const QString &name, const QStringList &lines)
{
    for (Band &band : m_bands)
        for (ReportObject &o : band.objects)
            if (o.kind == ReportObject::Kind::Text && o.name.compare(name, Qt::CaseInsensitive) == 0) {
                o.text.clear();
                o.lines = lines;
                o.lineHeight = listLinePixels / pixelsPerMm;
                o.box.setHeight(lines.size() * listLinePixels / pixelsPerMm);
                band.height = (lines.size() * listLinePixels + listBandExtraPixels) / pixelsPerMm;
                return;
            }
    throw PrintFailure(s("Il modello di stampa \"%1\" non contiene l'oggetto %2.").arg(m_name, name));
}

PreparedReport ReportTemplate::prepare(const QDate &today, const QString &fileStem) const
{
    auto expand = [&](ReportObject o) {
        if (o.expressions)
            o.text = replaceDate(o.text, today);
        return o;
    };
    QList<QList<ReportObject>> pages;
    if (m_bands.isEmpty()) {
        QList<ReportObject> page;
        for (const ReportObject &o : m_objects)
            page.append(expand(o));
        pages.append(page);
    } else {
        const qreal pageHeight = printableSize().height();
        qreal footerHeight = 0;
        for (const Band &band : m_bands)
            if (band.type == Band::Type::Footer)
                footerHeight += band.height;
        const qreal bottom = pageHeight - footerHeight;
        QList<ReportObject> page;
        for (const ReportObject &o : m_objects)
            page.append(expand(o));
        qreal y = 0;
        auto place = [&](const ReportObject &o, qreal top) {
            ReportObject placed = expand(o);
            placed.box.translate(0, top);
            page.append(placed);
        };
        auto newPage = [&] {
            qreal footerTop = bottom;
            for (const Band &band : m_bands)
                if (band.type == Band::Type::Footer) {
                    for (const ReportObject &o : band.objects)
                        place(o, footerTop);
                    footerTop += band.height;
                }
            pages.append(page);
            page.clear();
            y = 0;
        };
        for (const Band &band : m_bands) {
            if (band.type == Band::Type::Footer)
                continue;
            if (band.type == Band::Type::Title) {
                for (const ReportObject &o : band.objects)
                    place(o, y);
                y += band.height;
                continue;
            }
            // The data band: its multi-line texts split at the footer, line by line.
            qsizetype done = 0;
            const ReportObject *text = nullptr;
            for (const ReportObject &o : band.objects)
                if (!o.lines.isEmpty())
                    text = &o;
            for (const ReportObject &o : band.objects)
                if (&o != text)
                    place(o, y);
            if (!text) {
                y += band.height;
                continue;
            }
            // A template (a file the shop may edit) whose footer, margins or band
            // leave no room for one line on an empty page would add pages forever.
            if (text->lineHeight <= 0 || (bottom - text->box.top()) / text->lineHeight + 1e-6 < 1)
                throw PrintFailure(s("Il modello di stampa \"%1\" non lascia spazio per le righe dell'elenco: "
                                     "controllare margini, intestazione e piè di pagina.").arg(m_name));
            while (done < text->lines.size()) {
                const qreal top = y + text->box.top();
                qsizetype fit = qsizetype((bottom - top) / text->lineHeight + 1e-6);
                if (fit <= 0) {
                    newPage();
                    continue;
                }
                fit = qMin(fit, text->lines.size() - done);
                ReportObject part = *text;
                part.lines = text->lines.mid(done, fit);
                part.box.moveTop(top);
                part.box.setHeight(fit * text->lineHeight);
                page.append(part);
                done += fit;
                y = top + part.box.height();
                if (done < text->lines.size())
                    newPage();
            }
            y += band.height - text->box.bottom();
        }
        newPage();
    }
    return PreparedReport(m_name, fileStem, pageLayout(), pages);
}

} // namespace lumivista
