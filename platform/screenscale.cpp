#include "platform/screenscale.h"

#include <QDir>
#include <QFile>

int PrimaryScreenWidthBeforeApp(const QString &drmRoot)
{
    const QDir root(drmRoot);
    const QStringList connectors = root.entryList(QStringList() << QStringLiteral("card*-*"),
                                                  QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &connector : connectors) {
        QFile status(root.filePath(connector + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly) || status.readAll().trimmed() != "connected")
            continue;
        QFile modes(root.filePath(connector + QStringLiteral("/modes")));
        if (!modes.open(QIODevice::ReadOnly))
            continue;
        // The first line is the preferred mode, e.g. "1920x1080".
        const QByteArray first = modes.readLine().trimmed();
        const int width = first.left(first.indexOf('x')).toInt();
        if (width > 0)
            return width;
    }
    return 0;
}

QString ScaleFactorForWidth(int width)
{
    if (width <= 0)
        return QString();
    return QString::number(width / 1366.0, 'f', 1);
}

bool ApplyScreenScaleFactor()
{
    const QString factor = ScaleFactorForWidth(PrimaryScreenWidthBeforeApp());
    if (factor.isEmpty())
        return false;
    qputenv("QT_SCALE_FACTOR", factor.toLatin1());
    return true;
}
