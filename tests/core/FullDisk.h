#pragma once
#include <csignal>
#include <sys/resource.h>

/** While alive, this process cannot make any file larger than a few bytes: every
 *  write past that fails with EFBIG, as writes on a full disk fail. The signal
 *  that would end the process is ignored, so the write reports the failure. */
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes = 8)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_saved {};
    void (*m_handler)(int) = nullptr;
};
