#include "PasswordFile.h"
#include "Crypt.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "Text.h"

namespace lumivista {

namespace {
const QString Section = QStringLiteral("Accesso");
const QString Key = QStringLiteral("Valore");
} // namespace

QString PasswordFile::path()
{
    return ProgramFolder::file(fileName());
}

std::optional<QString> PasswordFile::read()
{
    // A file that is there but cannot be read is a failure, not a missing password.
    const std::optional<QString> stored = IniFile::tryRead(path(), Section, Key);
    if (!stored)
        return std::nullopt;
    const std::optional<QString> plain = Crypt::UnscrambleText(Text::trim(*stored));
    if (!plain)
        return std::nullopt;
    return Text::trim(*plain);
}

bool PasswordFile::write(const QString &password)
{
    return IniFile::write(path(), Section, Key, Crypt::ScrambleText(normalise(password)));
}

QString PasswordFile::normalise(const QString &typed)
{
    return Text::trim(Text::upperAZ(typed));
}

bool PasswordFile::matches(const QString &typed, const QString &stored)
{
    const QString normal = normalise(typed);
    // The empty stored text (no password set) is matched by nothing.
    if (stored.isEmpty())
        return false;
    return normal == stored || normal.toUpper() == stored.toUpper();
}

} // namespace lumivista
