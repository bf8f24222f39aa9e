#include "tests/support/fakeopener.h"

#include <QFile>
#include <QtTest>

namespace {

QStringList Lines(const QString &path)
{
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

FakeOpener::FakeOpener()
    : OldPath(qgetenv("PATH"))
{
    QFile script(Dir.filePath(QStringLiteral("xdg-open")));
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened\"\n"
                 "exit \"$(cat \"$(dirname \"$0\")/status\" 2>/dev/null || echo 0)\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(Dir.path()) + ':' + OldPath);
}

FakeOpener::~FakeOpener()
{
    qputenv("PATH", OldPath);
}

void FakeOpener::SetExitStatus(int status)
{
    QFile file(Dir.filePath(QStringLiteral("status")));
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray::number(status));
}

void FakeOpener::Missing()
{
    QFile::remove(Dir.filePath(QStringLiteral("xdg-open")));
    qputenv("PATH", QFile::encodeName(Dir.path()));
}

QStringList FakeOpener::Opened(int expected)
{
    const QString log = Dir.filePath(QStringLiteral("opened"));
    static_cast<void>(QTest::qWaitFor([&] { return Lines(log).size() >= expected; }, 5000));
    QTest::qWait(100);
    return Lines(log);
}

void FakeOpener::Clear()
{
    QFile::remove(Dir.filePath(QStringLiteral("opened")));
}
