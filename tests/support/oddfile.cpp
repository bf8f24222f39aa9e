#include "tests/support/oddfile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

bool PutOddFile(const QString &path, const QString &kind)
{
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("pipe"))
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("device"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    return true;
}
