#pragma once
#include "ShellService.h"
#include <QStringList>

namespace lumivista {

/** Records the targets handed to the shell, exactly as passed (quotes included). */
class FakeShellService : public ShellService
{
public:
    void open(const QString &target) override { m_targets.append(target); }

    const QStringList &targets() const { return m_targets; }
    QString last() const { return m_targets.isEmpty() ? QString() : m_targets.last(); }
    qsizetype count() const { return m_targets.size(); }
    bool isEmpty() const { return m_targets.isEmpty(); }
    void clear() { m_targets.clear(); }

private:
    QStringList m_targets;
};

} // namespace lumivista
