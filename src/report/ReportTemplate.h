#pragma once
#include "report/ReportObject.h"
#include <QList>
#include <QPageLayout>

class QDate;
class QJsonObject;

namespace lumivista {

class PreparedReport;

/** A report template read from a file under the program folder's templates/:
 *  page settings, a report name and placed objects. A document template has its
 *  objects on the page; a list template has a title band, the data band
 *  "MasterData" that splits across pages, and a footer band on every page.
 *  Every failure throws PrintFailure. */
class ReportTemplate
{
public:
    struct Band
    {
        enum class Type { Title, Data, Footer };
        QString name;
        Type type = Type::Data;
        qreal height = 0; // mm
        QList<ReportObject> objects;
    };

    /** Pixels of the layout rules, at 96 per inch. */
    static constexpr qreal pixelsPerMm = 96.0 / 25.4;
    /** Height of one line of a list's data text, and what its band adds. */
    static constexpr qreal listLinePixels = 12.822;
    static constexpr qreal listBandExtraPixels = 10;

    /** templates/ in the program folder. */
    static QString folder();
    /** Reads templates/<fileName>. */
    static ReportTemplate named(const QString &fileName);
    static ReportTemplate load(const QString &path);
    /** Parses a template; pictures are found relative to sourceFolder. */
    static ReportTemplate parse(const QByteArray &json, const QString &sourceFolder);

    QString name() const { return m_name; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    QPageLayout pageLayout() const;
    /** Width and height of the printable area, mm. */
    QSizeF printableSize() const;

    /** The object of that name in any band, letter case ignored; null if none. */
    ReportObject *find(const QString &name);
    const ReportObject *find(const QString &name) const;
    const QList<ReportObject> &objects() const { return m_objects; }
    const QList<Band> &bands() const { return m_bands; }
    const Band *band(const QString &name) const;

    /** Replaces the whole text of a named text object; values print exactly as
     *  passed. A name the template lacks is a failure. */
    void setText(const QString &name, const QString &value);
    /** The list rule: the object holds the lines, 12.822 px high each, and its
     *  band grows to that height plus 10 px. */
    void setLines(const QString &name, const QStringList &lines);
    /** Fills a chart: its categories, series, bar heights and the text of each
     *  bar ([series][category]). A name the template lacks is a failure. */
    void setChart(const QString &name, const QStringList &categories, const QStringList &series,
                  const QList<QList<double>> &values, const QList<QStringList> &texts);

    /** Lays out the pages; [DATE] becomes today in objects with expressions on. */
    PreparedReport prepare(const QDate &today, const QString &fileStem) const;

private:
    static ReportObject object(const QJsonObject &json, const QJsonObject &defaults, const QString &sourceFolder);

    QString m_name;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    qreal m_margin = 10;
    QList<ReportObject> m_objects;
    QList<Band> m_bands;
};

} // namespace lumivista
