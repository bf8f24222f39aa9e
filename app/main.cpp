// MeterLog start-up: scaling, single instance, codec, configuration,
// translation, then the main window and the event loop.

#include <QApplication>
#include <QDir>
#include <QTextCodec>
#include <QTranslator>

#include "app/uartdatastore.h"
#include "platform/screenscale.h"
#include "platform/singleinstance.h"
#include "platform/timezone.h"
#include "ui/mainwindow.h"

int main(int argc, char *argv[])
{
    CacheLocalTimeZone();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    ApplyScreenScaleFactor();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MeterLog"));

    SingleInstance instance(QStringLiteral("fortest_abc123"));
    if (!instance.IsFirst())
        return 0;

    QTextCodec::setCodecForLocale(QTextCodec::codecForName("GB2312"));
    UartData.LoadConfig();

    QTranslator translator;
    if (translator.load(QDir::currentPath() + QStringLiteral("/Qm/") + UartData.Language
                        + QStringLiteral(".qm")))
        QApplication::installTranslator(&translator);

    MainWindow window;
    window.show();
    return app.exec();
}
