#pragma once
#include "QtClockService.h"
#include "QtFileDialogService.h"
#include "QtMessageService.h"
#include "QtPrintService.h"
#include "QtShellService.h"
#include "QtSoundService.h"
#include "Services.h"

namespace lumivista {

/** The desktop services of the running program. Create it after the QApplication
 *  and keep it alive as long as any window that uses it. */
class QtServices
{
public:
    QtServices() = default;
    QtServices(const QtServices &) = delete;
    QtServices &operator=(const QtServices &) = delete;

    Services &services() { return m_services; }

private:
    QtMessageService m_messages;
    QtShellService m_shell;
    QtFileDialogService m_fileDialog;
    QtClockService m_clock;
    QtSoundService m_sound;
    QtPrintService m_printer{m_messages, m_fileDialog};
    Services m_services{m_messages, m_shell, m_fileDialog, m_clock, m_sound, m_printer};
};

} // namespace lumivista
