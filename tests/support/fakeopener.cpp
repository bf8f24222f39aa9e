#include "tests/support/fakeopener.h"

#include <QFile>
#include <QtTest>

FakeOpener::FakeOpener()
    : OldPath(qgetenv("PATH"))
{
    SetExitStatus(0);
    qputenv("PATH", QFile::encodeName(Dir.path()));
}

FakeOpener::~FakeOpener()
{
    qputenv("PATH", OldPath);
}

void FakeOpener::SetExitStatus(int status)
{
    QFile script(Dir.filePath(QStringLiteral("xdg-open")));
    if (status < 0) {
        script.remove();
        return;
    }
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"${0%/*}/opened\"\nexit "
                 + QByteArray::number(status) + '\n');
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
}

QStringList FakeOpener::Opened(int expected)
{
    QFile log(Dir.filePath(QStringLiteral("opened")));
    const auto lines = [&] {
        log.close();
        return log.open(QIODevice::ReadOnly)
                   ? QString::fromLocal8Bit(log.readAll()).split('\n', Qt::SkipEmptyParts)
                   : QStringList();
    };
    static_cast<void>(QTest::qWaitFor([&] { return lines().size() >= expected; }, 5000));
    QTest::qWait(100);
    return lines();
}
