#pragma once

class QApplication;

namespace lumivista {

/** The program's colours and type live in one style sheet resource
 *  (":/style/lumivista.qss"), applied to the whole application. */
class Style
{
public:
    static void install(QApplication &app);
};

} // namespace lumivista
