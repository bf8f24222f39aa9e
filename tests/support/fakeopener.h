#ifndef TESTS_SUPPORT_FAKEOPENER_H
#define TESTS_SUPPORT_FAKEOPENER_H

// Stands in for the desktop's opener while it lives: an "xdg-open" of its
// own, alone on the PATH, notes each file it is asked to open and exits with
// the status given (3 is xdg-open's "no method available"; -1 takes it off
// the PATH).
//
//     FakeOpener opener;
//     ... click "Open" ...
//     QCOMPARE(opener.Opened(1), QStringList{path});

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

class FakeOpener
{
public:
    FakeOpener();
    ~FakeOpener();
    FakeOpener(const FakeOpener &) = delete;
    FakeOpener &operator=(const FakeOpener &) = delete;

    void SetExitStatus(int status);
    // The files asked for, once `expected` of them have come (or a few
    // seconds have passed), and a moment longer for any further one.
    QStringList Opened(int expected);

private:
    QTemporaryDir Dir;
    QByteArray OldPath;
};

#endif // TESTS_SUPPORT_FAKEOPENER_H
