#pragma once
#include <QByteArray>
#include <QString>

namespace lumivista {

/** Text rules shared by every archive, list and window: trimming and the
 *  Windows-1252 codec in which all files are kept. */
class Text
{
public:
    /** Removes characters of code <= 32 at both ends (not only Unicode spaces). */
    static QString trim(const QString &text);

    /** One byte per character, always: a character Windows-1252 lacks becomes
     *  the base letter of a decomposable letter, otherwise '?'. */
    static QByteArray toCp1252(const QString &text);
    static QString fromCp1252(const QByteArray &bytes);
    static QString fromCp1252(const char *data, int length);
    /** One byte's character. */
    static QChar fromCp1252(char byte);

    /** text followed by blanks, or cut, to exactly width characters: one column of
     *  a fixed-width list line. */
    static QString pad(const QString &text, int width);
    /** A control of a numbered series: prefix and a two-digit number, "txtLenteDX03". */
    static QString numbered(const char *prefix, int number);
    /** Only the letters a to z become capitals; accented letters and everything
     *  else stay as typed. Typing rules, passwords, searches and sorting all fold
     *  this way, so "è" never matches "E". */
    static QString upperAZ(const QString &text);
    /** Compares as upperAZ(a) against upperAZ(b), without building either. */
    static int compareFoldedAZ(const QString &a, const QString &b);
};

} // namespace lumivista
