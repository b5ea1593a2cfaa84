#pragma once
#include <QString>

namespace lumivista {

/** The agenda's help text, paragraphs joined by an empty line. */
class AgendaHelp
{
public:
    static QString title() { return QStringLiteral("App Agenda Appuntamenti"); }
    static QString text();
};

} // namespace lumivista
