#pragma once

class QWidget;

namespace lumivista {

/** Where the fixed-size windows of the program open. */
class WindowPlacement
{
public:
    /** Centres the window on the screen that shows it (or the primary screen). */
    static void centreOnScreen(QWidget *window);
    /** Centres the window over another one; on the screen when there is none. */
    static void centreOver(QWidget *window, const QWidget *over);
    /** A title bar that shows only the caption: no close, minimise or
     *  maximise button. */
    static void removeTitleButtons(QWidget *window);
};

} // namespace lumivista
