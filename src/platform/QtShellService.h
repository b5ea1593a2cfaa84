#pragma once
#include "ShellService.h"
#include <QUrl>

namespace lumivista {

/** The desktop's default program for a link, folder or document (QDesktopServices). */
class QtShellService : public ShellService
{
public:
    void open(const QString &target) override;

    /** The URL the desktop is asked to open for a target: quotes around the whole
     *  target are dropped; local paths become file URLs; mailto and web links keep
     *  their %XX escapes while blanks and the like are escaped. Invalid when the
     *  target is empty. */
    static QUrl urlFor(const QString &target);
};

} // namespace lumivista
