#pragma once
#include <QString>

namespace lumivista {

/** The home screen's help: what Lumivista is and how each of its parts is used. */
class GeneralHelp
{
public:
    static QString title() { return QStringLiteral("Uno sguardo a Lumivista"); }
    /** Paragraphs joined by an empty line (CR LF CR LF). */
    static QString text();
};

} // namespace lumivista
