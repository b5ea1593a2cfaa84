#include "Settings.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "Text.h"

namespace lumivista {

namespace {
const QString shopSection = QStringLiteral("Centro Ottico");
const QString startKey = QStringLiteral("Inizio");

QString shopKey(int line)
{
    return QStringLiteral("Rigo %1").arg(line);
}
} // namespace

QString Settings::path()
{
    return ProgramFolder::file(fileName());
}

std::optional<QStringList> Settings::shopLines()
{
    const QString file = path();
    QStringList lines;
    for (int i = 1; i <= shopLineCount; ++i) {
        const std::optional<QString> line = IniFile::tryRead(file, shopSection, shopKey(i));
        if (!line)
            return std::nullopt;
        lines.append(Text::trim(*line));
    }
    return lines;
}

bool Settings::writeShopLines(const QStringList &lines)
{
    const QString file = path();
    bool ok = true;
    for (int i = 1; i <= shopLineCount; ++i)
        ok = IniFile::write(file, shopSection, shopKey(i), Text::trim(lines.value(i - 1))) && ok;
    return ok;
}

QString Settings::numberingSection(PrescriptionKind kind)
{
    return kind == PrescriptionKind::Glasses ? QStringLiteral("Numerazione Prescrizioni Occhiali")
                                             : QStringLiteral("Numerazione Prescrizioni Lenti");
}

std::optional<QString> Settings::numberingStart(PrescriptionKind kind)
{
    return IniFile::tryRead(path(), numberingSection(kind), startKey);
}

bool Settings::writeNumberingStart(PrescriptionKind kind, const QString &value)
{
    return IniFile::write(path(), numberingSection(kind), startKey, Text::trim(value));
}

QHash<QString, QString> Settings::privacy(const QStringList &keys)
{
    const QString file = path();
    QHash<QString, QString> values;
    for (const QString &key : keys)
        values.insert(key, Text::trim(IniFile::read(file, privacySection(), key)));
    return values;
}

bool Settings::writePrivacy(const QHash<QString, QString> &values)
{
    const QString file = path();
    bool ok = true;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        ok = IniFile::write(file, privacySection(), it.key(), Text::trim(it.value())) && ok;
    return ok;
}

namespace {

QString recallKey(PrescriptionKind kind)
{
    return kind == PrescriptionKind::Glasses ? QStringLiteral("Mesi Occhiali") : QStringLiteral("Mesi Lenti");
}

} // namespace

std::optional<int> Settings::readRecallMonths(const QString &text)
{
    bool ok = false;
    const int months = Text::trim(text).toInt(&ok);
    if (!ok || months < 1 || months > 240)
        return std::nullopt;
    return months;
}

int Settings::recallMonths(PrescriptionKind kind)
{
    return readRecallMonths(IniFile::read(path(), recallSection(), recallKey(kind))).value_or(defaultRecallMonths(kind));
}

bool Settings::writeRecallMonths(PrescriptionKind kind, int months)
{
    return IniFile::write(path(), recallSection(), recallKey(kind), QString::number(months));
}

} // namespace lumivista
