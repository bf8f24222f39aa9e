#include "platform/timezone.h"

#include <QFileInfo>
#include <QtGlobal>

void CacheLocalTimeZone()
{
    const char *localZoneFile = "/etc/localtime";
    if (qEnvironmentVariableIsSet("TZ") || !QFileInfo::exists(QString::fromLatin1(localZoneFile)))
        return;
    qputenv("TZ", QByteArray(":") + localZoneFile);
}
