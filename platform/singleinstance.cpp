#include "platform/singleinstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString &name)
    : lock(QDir::tempPath() + QLatin1Char('/') + name)
{
    // A lock is stale only when its owner is gone, never by its age: the
    // running instance holds it for as long as it runs.
    lock.setStaleLockTime(0);
    first = lock.tryLock(0);
}
