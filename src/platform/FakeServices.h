#pragma once
#include "FakeClockService.h"
#include "FakeFileDialogService.h"
#include "FakeMessageService.h"
#include "FakePrintService.h"
#include "FakeShellService.h"
#include "FakeSoundService.h"
#include "Services.h"

namespace lumivista {

/** The six fakes in one place, for tests and for trying windows without a desktop.
 *  The fakes are public so a test can script answers and read what was recorded. */
class FakeServices
{
public:
    FakeServices() = default;
    FakeServices(const FakeServices &) = delete;
    FakeServices &operator=(const FakeServices &) = delete;

    Services &services() { return m_services; }

    FakeMessageService messages;
    FakeShellService shell;
    FakeFileDialogService fileDialog;
    FakeClockService clock;
    FakeSoundService sound;
    FakePrintService printer;

private:
    Services m_services{messages, shell, fileDialog, clock, sound, printer};
};

} // namespace lumivista
