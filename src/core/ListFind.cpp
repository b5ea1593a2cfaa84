#include "ListFind.h"

namespace lumivista {

QString ListFind::fold(const QString &text) const
{
    if (m_fold == Fold::Lower)
        return text.toLower();
    QString folded = text;
    for (QChar &c : folded)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

int ListFind::next(int count, int selected, const QString &typed, const std::function<QString(int)> &line)
{
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString wanted = fold(typed);
    const bool again = wanted == m_last;
    m_last = wanted;
    if (wanted.isEmpty())
        return -1;
    // A new text tests the first line first; the same text tests the selected line last.
    const int start = again ? selected + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (fold(line(row)).contains(wanted))
            return row;
    }
    return -1;
}

} // namespace lumivista
