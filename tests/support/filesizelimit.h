#ifndef TESTS_SUPPORT_FILESIZELIMIT_H
#define TESTS_SUPPORT_FILESIZELIMIT_H

// Makes the disk "full" for this process while the object lives: no file can
// grow past the given number of bytes, and a write beyond it fails the way a
// write to a full disk does (the call returns short, errno EFBIG). Use it to
// check that a writer reports the failure and keeps the old file:
//
//     FileSizeLimit full(100);
//     QVERIFY(!WriteSomething(path, &error));
//
// The SIGXFSZ signal that such a write raises is ignored meanwhile.

#include <sys/resource.h>

#include <csignal>

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

#endif // TESTS_SUPPORT_FILESIZELIMIT_H
