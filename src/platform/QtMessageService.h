#pragma once
#include "MessageService.h"
#include <QMessageBox>

namespace lumivista {

/** Message boxes owned by the active window, with Italian titles and buttons. */
class QtMessageService : public MessageService
{
public:
    void warning(const QString &text) override;
    void information(const QString &text) override;
    void error(const QString &text) override;
    void plain(const QString &text) override;
    bool confirm(const QString &text) override;

    /** The text as a box shows it: each "\n\r" or "\r\n" pair, and any lone
     *  "\r", becomes one line break; every other character stays as it is. */
    static QString displayText(const QString &text);

private:
    static int show(QMessageBox::Icon icon, const QString &title, const QString &text,
                    QMessageBox::StandardButtons buttons);
};

} // namespace lumivista
