#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace lumivista {

/** The consent form for the processing of personal data, as one line of RTF in
 *  Windows-1252. Values are keyed by the privacy window's field names. */
class PrivacyDocument
{
public:
    static QString fileName() { return QStringLiteral("Modulo_Privacy.rtf"); }

    /** The shop's fields kept in the settings file: {field, key}. */
    static const QList<std::pair<QString, QString>> &shopSettings();

    /** The whole document. A value's \, { and } are escaped so that no value can
     *  break the document; other characters go in as Windows-1252 (best fit). */
    static QByteArray build(const QHash<QString, QString> &values);
    /** A value as the document carries it. */
    static QByteArray escaped(const QString &value);
};

} // namespace lumivista
