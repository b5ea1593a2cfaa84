#include "Application.h"
#include "platform/MessageService.h"
#include <exception>

namespace lumivista {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &failure) {
        if (m_messages)
            m_messages->error(QString::fromUtf8(failure.what()));
    } catch (...) {
        if (m_messages)
            m_messages->error(QStringLiteral("Errore imprevisto."));
    }
    return false;
}

} // namespace lumivista
