#pragma once
#include "MessageService.h"
#include <QList>
#include <QQueue>
#include <functional>

namespace lumivista {

/** Records every box a window would show, with its original text, and answers
 *  confirm() from a queue (Yes once the queue is empty). */
class FakeMessageService : public MessageService
{
public:
    enum class Kind { Warning, Information, Error, Plain, Confirm };

    struct Message
    {
        Kind kind;
        QString text;
        bool operator==(const Message &other) const = default;
    };

    void warning(const QString &text) override { record(Kind::Warning, text); }
    void information(const QString &text) override { record(Kind::Information, text); }
    void error(const QString &text) override { record(Kind::Error, text); }
    void plain(const QString &text) override { record(Kind::Plain, text); }
    bool confirm(const QString &text) override;

    /** The next confirm() answers this; answers are used in order. */
    void queueConfirm(bool answer) { m_answers.enqueue(answer); }
    /** Called as each box "opens", e.g. to look at a window's state at that moment. */
    void setOnMessage(std::function<void(const Message &)> hook) { m_onMessage = std::move(hook); }

    const QList<Message> &messages() const { return m_messages; }
    /** The last message; an empty Plain message when none was shown. */
    Message last() const { return m_messages.isEmpty() ? Message{Kind::Plain, QString()} : m_messages.last(); }
    QStringList texts() const;
    qsizetype count() const { return m_messages.size(); }
    qsizetype count(Kind kind) const;
    bool isEmpty() const { return m_messages.isEmpty(); }
    void clear() { m_messages.clear(); m_answers.clear(); }

private:
    void record(Kind kind, const QString &text);

    QList<Message> m_messages;
    QQueue<bool> m_answers;
    std::function<void(const Message &)> m_onMessage;
};

} // namespace lumivista
