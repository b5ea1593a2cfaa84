#pragma once
#include <QString>
#include <stdexcept>

namespace lumivista {

/** A printout that could not be made: a template without an object the program
 *  fills, an unreadable template, a printer or a PDF file that refused the pages. */
class PrintFailure : public std::runtime_error
{
public:
    explicit PrintFailure(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace lumivista
