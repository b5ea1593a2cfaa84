#pragma once

namespace lumivista {

class MessageService;
class ShellService;
class FileDialogService;
class ClockService;
class SoundService;
class PrintService;

/** The desktop services a window may use, injected at construction. Windows never
 *  call QMessageBox or QDesktopServices themselves, so tests never block. */
struct Services
{
    MessageService &messages;
    ShellService &shell;
    FileDialogService &fileDialog;
    ClockService &clock;
    SoundService &sound;
    PrintService &printer;
};

} // namespace lumivista
