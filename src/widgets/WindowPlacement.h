#pragma once

class QWidget;

namespace lumivista {

/** Where the fixed-size windows of the program open. */
class WindowPlacement
{
public:
    /** Shows a main working window maximised. It is first sized to the screen's
     *  free area, so it fills the screen even where no window manager maximises it. */
    static void showMaximized(QWidget *window);
    /** Centres the window on the screen that shows it (or the primary screen). */
    static void centreOnScreen(QWidget *window);
    /** Centres the window over another one; on the screen when there is none. */
    static void centreOver(QWidget *window, const QWidget *over);
    /** A title bar that shows only the caption: no close, minimise or
     *  maximise button. */
    static void removeTitleButtons(QWidget *window);
};

} // namespace lumivista
