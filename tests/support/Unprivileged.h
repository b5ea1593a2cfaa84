#pragma once
#include <QList>

#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

/** While alive, file permissions bind this test even when it runs as root (as in CI):
 *  the effective user and group become "nobody" and turn back to root afterwards.
 *  For any other user it changes nothing. */
class Unprivileged
{
public:
    Unprivileged()
    {
        if (::geteuid() != 0)
            return;
        m_wasRoot = true;
        const int n = ::getgroups(0, nullptr);
        m_groups.resize(n > 0 ? n : 0);
        if (n > 0 && ::getgroups(n, m_groups.data()) != n)
            return;
        m_ok = ::setgroups(0, nullptr) == 0 && ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
        if (!m_ok)
            restore();
    }
    ~Unprivileged()
    {
        if (m_wasRoot)
            restore();
    }
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

    /** False when the switch failed: permissions could not be tested. */
    bool ok() const { return !m_wasRoot || m_ok; }

private:
    static constexpr uid_t kNobody = 65534;

    void restore()
    {
        [[maybe_unused]] int a = ::seteuid(0);
        [[maybe_unused]] int b = ::setegid(0);
        [[maybe_unused]] int c = ::setgroups(size_t(m_groups.size()), m_groups.data());
    }

    bool m_wasRoot = false;
    bool m_ok = false;
    QList<gid_t> m_groups;
};
