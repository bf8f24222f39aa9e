#include "platform/desktopopener.h"

#include <QPointer>
#include <QProcess>

void OpenOnDesktop(const QString &path, QObject *context, std::function<void()> failed)
{
    // Without a parent: the program it starts may outlive the window, and a
    // process object that went with it would kill xdg-open.
    auto *opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({path});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    const QPointer<QObject> caller(context);
    const auto end = [opener, caller, failed](bool ok) {
        opener->deleteLater();
        if (!ok && caller)
            failed();
    };
    QObject::connect(opener, &QProcess::errorOccurred, [end](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(false);
    });
    QObject::connect(opener, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                     [end](int code, QProcess::ExitStatus status) {
                         end(status == QProcess::NormalExit && code == 0);
                     });
    opener->start();
}
