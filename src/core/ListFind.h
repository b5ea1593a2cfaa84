#pragma once
#include <QString>
#include <functional>

namespace lumivista {

/** "Trova" in a list of lines: the next line containing the typed text,
 *  wrapping after the last. A new text starts again from the first line; the
 *  same text again moves past the selected line. */
class ListFind
{
public:
    /** The searches fold only the letters A to Z; the summary lists lower-case
     *  every letter. */
    enum class Fold { AZ, Lower };

    explicit ListFind(Fold fold)
        : m_fold(fold)
    {
    }

    /** The row to select, or -1 when no line matches (the selection stays).
     *  selected is -1 when no line is selected; count must be above zero. */
    int next(int count, int selected, const QString &typed, const std::function<QString(int)> &line);
    /** Forgets the previous text, as when the window is shown. */
    void reset() { m_last.clear(); }

private:
    QString fold(const QString &text) const;

    Fold m_fold;
    QString m_last;
};

} // namespace lumivista
