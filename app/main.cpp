// MeterLog start-up: scaling, single instance, configuration, translation,
// then the main window and the event loop.

#include <QApplication>
#include <QDir>
#include <QTranslator>

#include "app/qttranslation.h"
#include "app/uartdatastore.h"
#include "platform/freedmemory.h"
#include "platform/screenscale.h"
#include "platform/singleinstance.h"
#include "platform/timezone.h"
#include "platform/xlsdriver.h"
#include "ui/mainwindow.h"

int main(int argc, char *argv[])
{
    LimitKeptFreeMemory();
    CacheLocalTimeZone();
    // The Excel export's "QODBC" connections write workbooks with our driver.
    RegisterXlsSqlDriver();
    // The layout is scaled to the screen width; Qt's own high-DPI factor
    // would multiply with that, so it is used only where the width is unknown.
    if (!ApplyScreenScaleFactor())
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MeterLog"));

    SingleInstance instance(QStringLiteral("fortest_abc123"));
    if (!instance.IsFirst())
        return 0;

    // File names stay in the system's own encoding: a process-wide GB2312
    // codec would garble every non-ASCII path here. Text files that are
    // written in GB2312 set that codec on their own streams.
    UartData.LoadConfig();

    QTranslator translator;
    QTranslator qtTranslator;
    if (translator.load(QDir::currentPath() + QStringLiteral("/Qm/") + UartData.Language
                        + QStringLiteral(".qm"))) {
        QApplication::installTranslator(&translator);
        // Qt's own dialogs speak the same language.
        if (LoadQtTranslation(&qtTranslator, translator))
            QApplication::installTranslator(&qtTranslator);
    }

    MainWindow window;
    window.show();
    return app.exec();
}
