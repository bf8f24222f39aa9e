#include "app/uartdatastore.h"

#include <QDir>

UartDataStore UartData;

UartDataStore::UartDataStore()
{
    ApplyDefaults();
}

QString UartDataStore::WorkingDirectory()
{
    return QDir::currentPath();
}

QString UartDataStore::ConfigFilePath()
{
    return WorkingDirectory() + QStringLiteral("/Ini/Config.ini");
}

QString UartDataStore::KnownLoggerFilePath()
{
    return WorkingDirectory() + QStringLiteral("/Ini/FileManager.ini");
}

QString UartDataStore::DefaultRecordFolder()
{
    return WorkingDirectory() + QStringLiteral("/Data/Recorded Data");
}

QString UartDataStore::TemperatureUnitLabel() const
{
    return AltUnit ? QStringLiteral("(℉)") : QStringLiteral("(℃)");
}

QString UartDataStore::TemperatureUnitHtml() const
{
    // Numeric character references without the closing ";", as the reports
    // have always carried them.
    return AltUnit ? QStringLiteral("(&#8457)") : QStringLiteral("(&#8451)");
}

QString UartDataStore::LightUnitLabel() const
{
    return AltUnit ? QStringLiteral("(FC)") : QStringLiteral("(Lux)");
}
