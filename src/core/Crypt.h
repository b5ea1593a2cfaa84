#pragma once
#include <QString>
#include <optional>

namespace lumivista {

/** The reversible scrambling of the access password kept in unins000.dll: each
 *  character becomes two upper-case hexadecimal digits, chained through a 16-bit
 *  running key so equal characters scramble differently. It hides the password
 *  from a casual look; it is not encryption. */
class Crypt
{
public:
    /** One byte per character: its Windows-1252 code, the character set of every
     *  Lumivista file; a character outside it keeps only the low 8 bits of its code. */
    static QString ScrambleText(const QString &text);
    /** Reads two hex digits (either case) per character, each byte decoded as
     *  Windows-1252; an odd last digit is ignored. Empty when the text holds
     *  anything but hexadecimal digits. */
    static std::optional<QString> UnscrambleText(const QString &hex);

    /** True when every character survives a round trip through the scrambling
     *  and can be typed: a Windows-1252 character that is not a control. */
    static bool isStorable(const QString &text);
};

} // namespace lumivista
