#pragma once
#include <QString>

namespace lumivista {

/** A UTF-8 literal as text: the Italian captions, hints and messages are
 *  written as they read, accents included. */
inline QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace lumivista
