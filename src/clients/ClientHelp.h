#pragma once
#include <QString>

namespace lumivista {

/** The client card's help text, paragraphs joined by an empty line. */
class ClientHelp
{
public:
    static QString title() { return QStringLiteral("App Anagrafica Clienti"); }
    static QString text();
};

} // namespace lumivista
