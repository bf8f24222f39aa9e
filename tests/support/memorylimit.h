#ifndef TESTS_SUPPORT_MEMORYLIMIT_H
#define TESTS_SUPPORT_MEMORYLIMIT_H

// While the object lives, this process may take at most the given number of
// bytes of address space more than it holds now; an allocation beyond that
// fails (std::bad_alloc). Checks that a reader never takes in more than its
// own limit:
//
//     MemoryLimit limit(256 << 20);
//     QVERIFY(!ReadSomething("/dev/zero"));

#include <QFile>

#include <sys/resource.h>

class MemoryLimit
{
public:
    explicit MemoryLimit(rlim_t moreBytes)
    {
        getrlimit(RLIMIT_AS, &m_previous);
        QFile status(QStringLiteral("/proc/self/status"));   // "VmSize:  123456 kB"
        status.open(QIODevice::ReadOnly);
        const QByteArray text = status.readAll();
        const int at = text.indexOf("VmSize:");
        const rlim_t now = rlim_t(text.mid(at + 7, 20).trimmed().split(' ').first().toULongLong());
        rlimit limit = m_previous;
        limit.rlim_cur = at < 0 ? limit.rlim_cur : now * 1024 + moreBytes;
        setrlimit(RLIMIT_AS, &limit);
    }
    ~MemoryLimit() { setrlimit(RLIMIT_AS, &m_previous); }
    MemoryLimit(const MemoryLimit &) = delete;
    MemoryLimit &operator=(const MemoryLimit &) = delete;

private:
    rlimit m_previous{};
};

#endif // TESTS_SUPPORT_MEMORYLIMIT_H
