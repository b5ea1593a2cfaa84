#pragma once
#include <QApplication>

namespace lumivista {

class MessageService;

/** The application object. A failure that no window handled itself is shown
 *  in an error box with its own text, and the program goes on. */
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    void setMessages(MessageService *messages) { m_messages = messages; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    MessageService *m_messages = nullptr;
};

} // namespace lumivista
