#pragma once
#include <QString>

namespace lumivista {

/** Modal message boxes. Cards use warning/information/error (OK + Cancel, the
 *  answer is never used); login, password and search windows use plain(); export
 *  questions use confirm(). Texts are passed exactly as written ("\n\r" pairs
 *  included); a box shows each "\n\r" or "\r\n" pair as one line break. */
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual void warning(const QString &text) = 0;
    virtual void information(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    virtual void plain(const QString &text) = 0;
    /** Yes/No; true for Yes. */
    virtual bool confirm(const QString &text) = 0;
};

} // namespace lumivista
