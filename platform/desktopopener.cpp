#include "platform/desktopopener.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>

namespace {

// How long after the start an error of xdg-open still means that no program
// could open the file.
constexpr qint64 FailureWindowMs = 2000;

} // namespace

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
    // Without a desktop environment xdg-open runs the viewer itself and ends
    // with the viewer's status when the user closes it: an error that late is
    // the viewer's own, not a failure to open.
    QElapsedTimer running;
    running.start();
    QObject::connect(opener, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                     [end, running](int code, QProcess::ExitStatus status) {
                         end((status == QProcess::NormalExit && code == 0)
                             || running.hasExpired(FailureWindowMs));
                     });
    opener->start();
}
