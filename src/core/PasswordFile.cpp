#include "PasswordFile.h"
#include "Crypt.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "Text.h"
#include <QFile>

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
    const QString file = path();
    // A file that is there but cannot be read is a failure, not a missing password.
    if (QFile::exists(file)) {
        QFile probe(file);
        if (!probe.open(QIODevice::ReadOnly))
            return std::nullopt;
    }
    const std::optional<QString> plain = Crypt::UnscrambleText(Text::trim(IniFile::read(file, Section, Key)));
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
