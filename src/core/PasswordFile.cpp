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
    return ProgramFolder::file(QStringLiteral("unins000.dll"));
}

std::optional<QString> PasswordFile::read()
{
    const std::optional<QString> plain = Crypt::UnscrambleText(Text::trim(IniFile::read(path(), Section, Key)));
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
    QString upper = typed;
    for (QChar &ch : upper) {
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 'a' + 'A');
    }
    return Text::trim(upper);
}

} // namespace lumivista
