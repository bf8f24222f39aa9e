#include "platform/singleinstance.h"

#include <QDir>

#include <unistd.h>

namespace {
// One lock per user, as each user's session has its own instance.
QString LockPath(const QString &name)
{
    return QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('-')
           + QString::number(getuid());
}
} // namespace

SingleInstance::SingleInstance(const QString &name)
    : lock(LockPath(name))
{
    // A lock is stale only when its owner is gone, never by its age: the
    // running instance holds it for as long as it runs.
    lock.setStaleLockTime(0);
    first = lock.tryLock(0);
}
