#pragma once
#include <QString>

namespace lumivista {

/** The appointment card's help text, paragraphs joined by an empty line. */
class AppointmentHelp
{
public:
    static QString title() { return QStringLiteral("App Schedario Appuntamenti"); }
    static QString text();
};

} // namespace lumivista
