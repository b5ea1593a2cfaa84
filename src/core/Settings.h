#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace lumivista {

/** The two kinds of prescription, each with its own archive and numbering. */
enum class PrescriptionKind { Glasses, Lenses };

/** The settings file Lumivista.ini in the program folder: the shop's header
 *  lines shared by both prescription cards and the numbering start values.
 *  A missing file reads as empty values; a file that is there but cannot be read
 *  gives nothing, so no caller mistakes it for a fresh installation. */
class Settings
{
public:
    static QString fileName() { return QStringLiteral("Lumivista.ini"); }
    static QString path();

    static constexpr int shopLineCount = 5;
    /** "Centro Ottico", "Rigo 1" ... "Rigo 5", each trimmed; always five entries. */
    static std::optional<QStringList> shopLines();
    /** Writes the five lines trimmed; false when the file cannot be written. */
    [[nodiscard]] static bool writeShopLines(const QStringList &lines);

    /** "Numerazione Prescrizioni Occhiali" or "... Lenti". */
    static QString numberingSection(PrescriptionKind kind);
    /** The raw "Inizio" text of the kind (empty when missing). */
    static std::optional<QString> numberingStart(PrescriptionKind kind);
    [[nodiscard]] static bool writeNumberingStart(PrescriptionKind kind, const QString &value);

    /** Section "Modulo Privacy": the shop's data for the consent form, by key
     *  ("Centro Ottico", "Comune Sede", ...), each trimmed; missing keys are empty. */
    static QString privacySection() { return QStringLiteral("Modulo Privacy"); }
    static QHash<QString, QString> privacy(const QStringList &keys);
    [[nodiscard]] static bool writePrivacy(const QHash<QString, QString> &values);

    /** Section "Richiami": after how many months a client is due for a
     *  check-up, by the kind of the last visit (an exam counts as eyeglasses). */
    static QString recallSection() { return QStringLiteral("Richiami"); }
    static constexpr int defaultRecallMonths(PrescriptionKind kind) { return kind == PrescriptionKind::Glasses ? 24 : 12; }
    /** "Mesi Occhiali" or "Mesi Lenti"; the default for a missing or unusable value. */
    static int recallMonths(PrescriptionKind kind);
    /** A whole number of months from 1 to 240, as the recall list accepts it. */
    static std::optional<int> readRecallMonths(const QString &text);
    [[nodiscard]] static bool writeRecallMonths(PrescriptionKind kind, int months);
};

} // namespace lumivista
