#include "IniFile.h"
#include "Text.h"
#include "WholeFile.h"

#include <QList>

#include <optional>

namespace lumivista {

namespace {

/** One line as it stands in the file: its bytes and the line break after them
 *  ("\r\n", "\n", or nothing on an unterminated last line). */
struct Line
{
    QByteArray content;
    QByteArray terminator;
};

QList<Line> splitLines(const QByteArray &data)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype nl = data.indexOf('\n', start);
        if (nl < 0) {
            lines.append({data.mid(start), QByteArray()});
            break;
        }
        qsizetype end = nl;
        QByteArray terminator("\n");
        if (end > start && data.at(end - 1) == '\r') {
            --end;
            terminator = "\r\n";
        }
        lines.append({data.mid(start, end - start), terminator});
        start = nl + 1;
    }
    return lines;
}

/** A line's text. A BOM left by a text editor must not hide the first section;
 *  the first line can never be a key of a section, so no position shifts. */
QString lineText(const QList<Line> &lines, int i)
{
    const QByteArray &content = lines.at(i).content;
    if (i == 0 && content.startsWith("\xEF\xBB\xBF"))
        return Text::fromCp1252(content.constData() + 3, int(content.size() - 3));
    return Text::fromCp1252(content);
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

/** The name of a "[section]" line. */
std::optional<QString> sectionOf(const QString &line)
{
    const QString t = Text::trim(line);
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return Text::trim(t.mid(1, close - 1));
}

/** Position of the '=' of a "key=value" line; -1 for comments, blanks and garbage. */
qsizetype equalsOf(const QString &line)
{
    const QString t = Text::trim(line);
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')) || t.startsWith(QLatin1Char('[')))
        return -1;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || Text::trim(line.left(eq)).isEmpty())
        return -1;
    return eq;
}

/** Where a key lives: its line, or else where a new key line of the section goes. */
struct Place
{
    int sectionLine = -1;  // header of the first section of that name
    int keyLine = -1;      // the key's line inside it
    int insertAt = -1;     // after the section's last key (or its header)
};

Place locate(const QList<Line> &lines, const QString &section, const QString &key)
{
    Place place;
    bool inside = false;
    for (int i = 0; i < lines.size(); ++i) {
        // Windows-1252 decodes byte for byte, so string positions are byte positions.
        const QString text = lineText(lines, i);
        if (const auto name = sectionOf(text)) {
            if (inside)
                break;  // only the first section of a name counts, for reads and writes alike
            if (sameName(*name, section)) {
                inside = true;
                place.sectionLine = i;
                place.insertAt = i + 1;
            }
            continue;
        }
        if (!inside)
            continue;
        const qsizetype eq = equalsOf(text);
        if (eq < 0)
            continue;
        place.insertAt = i + 1;
        if (sameName(Text::trim(text.left(eq)), key)) {
            place.keyLine = i;
            break;
        }
    }
    return place;
}

bool validName(const QString &name, bool isKey)
{
    const QString t = Text::trim(name);
    if (t.isEmpty() || t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r')))
        return false;
    if (isKey)
        return !t.contains(QLatin1Char('=')) && !t.startsWith(QLatin1Char(';')) && !t.startsWith(QLatin1Char('#'))
               && !t.startsWith(QLatin1Char('['));
    return !t.contains(QLatin1Char(']'));
}

} // namespace

QString IniFile::read(const QString &path, const QString &section, const QString &key)
{
    return tryRead(path, section, key).value_or(QString());
}

std::optional<QString> IniFile::tryRead(const QString &path, const QString &section, const QString &key)
{
    const WholeFile::Contents file = WholeFile::read(path);
    if (file.state == WholeFile::State::Unreadable)
        return std::nullopt;
    const QList<Line> lines = splitLines(file.bytes);
    const Place place = locate(lines, Text::trim(section), Text::trim(key));
    if (place.keyLine < 0)
        return QString();
    const QString text = lineText(lines, place.keyLine);
    return Text::trim(text.mid(equalsOf(text) + 1));
}

bool IniFile::write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    if (!validName(section, false) || !validName(key, true))
        return false;
    const QString sectionName = Text::trim(section);
    const QString keyName = Text::trim(key);
    // A line break inside a value would start a new key or section in the file.
    QString flat = value;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray encodedValue = Text::toCp1252(flat);

    // What cannot be read back cannot be kept: writing would lose every other key.
    const WholeFile::Contents existing = WholeFile::read(path);
    if (existing.state == WholeFile::State::Unreadable)
        return false;
    const QByteArray &data = existing.bytes;

    QList<Line> lines = splitLines(data);
    QByteArray eol("\r\n");
    for (const Line &line : std::as_const(lines)) {
        if (!line.terminator.isEmpty()) {
            eol = line.terminator;
            break;
        }
    }

    auto insert = [&](int at, const QByteArray &content) {
        if (at == lines.size() && !lines.isEmpty() && lines.last().terminator.isEmpty())
            lines.last().terminator = eol;
        lines.insert(at, {content, eol});
    };

    const Place place = locate(lines, sectionName, keyName);
    if (place.keyLine >= 0) {
        Line &line = lines[place.keyLine];
        const QString text = lineText(lines, place.keyLine);
        qsizetype valueStart = equalsOf(text) + 1;
        while (valueStart < text.size() && (text.at(valueStart) == QLatin1Char(' ') || text.at(valueStart) == QLatin1Char('\t')))
            ++valueStart;
        line.content = line.content.left(valueStart) + encodedValue;
    } else {
        const QByteArray keyLine = Text::toCp1252(keyName) + '=' + encodedValue;
        if (place.sectionLine >= 0) {
            insert(place.insertAt, keyLine);
        } else {
            insert(int(lines.size()), '[' + Text::toCp1252(sectionName) + ']');
            insert(int(lines.size()), keyLine);
        }
    }

    QByteArray out;
    out.reserve(data.size() + encodedValue.size() + 64);
    for (const Line &line : std::as_const(lines))
        out += line.content + line.terminator;

    return WholeFile::write(path, out).ok();
}

} // namespace lumivista
