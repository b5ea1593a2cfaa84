#pragma once
#include <QString>

namespace lumivista {

/** Title and text of the help window of both prescription cards. */
class PrescriptionHelp
{
public:
    static QString title();
    /** Paragraphs joined by an empty line (CR LF CR LF). */
    static QString text();
};

} // namespace lumivista
