#pragma once
#include <QString>
#include <QStringList>

namespace lumivista {

/** The two kinds of prescription, each with its own archive and numbering. */
enum class PrescriptionKind { Glasses, Lenses };

/** The settings file Lumivista.ini in the program folder: the shop's header
 *  lines shared by both prescription cards and the numbering start values.
 *  A missing or damaged file reads as empty values. */
class Settings
{
public:
    static QString fileName() { return QStringLiteral("Lumivista.ini"); }
    static QString path();

    static constexpr int shopLineCount = 5;
    /** "Centro Ottico", "Rigo 1" ... "Rigo 5", each trimmed; always five entries. */
    static QStringList shopLines();
    /** Writes the five lines trimmed; false when the file cannot be written. */
    [[nodiscard]] static bool writeShopLines(const QStringList &lines);

    /** "Numerazione Prescrizioni Occhiali" or "... Lenti". */
    static QString numberingSection(PrescriptionKind kind);
    /** The raw "Inizio" text of the kind (empty when missing). */
    static QString numberingStart(PrescriptionKind kind);
    [[nodiscard]] static bool writeNumberingStart(PrescriptionKind kind, const QString &value);
};

} // namespace lumivista
