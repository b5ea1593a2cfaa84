#pragma once

#include <QStringList>

class QApplication;

namespace lumivista {

class AppContext;

/** Start-up: the process-wide conventions, the desktop services and the
 *  long-lived windows; then the login window, the main window, is shown. */
class Startup
{
public:
    /** Runs the program to its end; returns the process exit code. */
    static int run(QApplication &app);

    /** Sets the application's identity and the Italian conventions (decimal
     *  comma, dd/mm/yyyy dates); safe to call more than once. */
    static void applyConventions(QApplication &app);

    /** Creates the login, home and change-password windows and every working
     *  window, owned by the context. */
    static void createWindows(AppContext &context);

    /** The working windows (cards and agenda): one line each. A window that is
     *  registered here enables its tile on the home screen. */
    static void createWorkingWindows(AppContext &context);

    /** The files of the program folder written whole: settings, credentials,
     *  the privacy document and the seven exports. */
    static QStringList wholeFiles();
    /** Removes the temporary files that a crash while writing one of them left
     *  in the program folder. */
    static void removeLeftovers();
};

} // namespace lumivista
