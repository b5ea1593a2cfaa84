#include "FakeMessageService.h"
#include <algorithm>

namespace lumivista {

bool FakeMessageService::confirm(const QString &text)
{
    record(Kind::Confirm, text);
    return m_answers.isEmpty() ? true : m_answers.dequeue();
}

QStringList FakeMessageService::texts() const
{
    QStringList texts;
    for (const Message &message : m_messages)
        texts << message.text;
    return texts;
}

qsizetype FakeMessageService::count(Kind kind) const
{
    return std::count_if(m_messages.cbegin(), m_messages.cend(),
                         [kind](const Message &message) { return message.kind == kind; });
}

void FakeMessageService::record(Kind kind, const QString &text)
{
    m_messages.append({kind, text});
    if (m_onMessage)
        m_onMessage(m_messages.last());
}

} // namespace lumivista
