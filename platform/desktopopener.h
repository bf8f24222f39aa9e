#ifndef DESKTOPOPENER_H
#define DESKTOPOPENER_H

// Opens a file in the desktop's program for its type, as xdg-open chooses
// it, and tells when that fails. Asking the desktop services counts a
// started xdg-open as success, even when it then finds no program for the
// type ("no method available") and exits with an error; here its exit
// status is read, without waiting for it: the window goes on meanwhile.
//
//     OpenOnDesktop(path, this, [=] { ShowMessage(..., "No program could open " + path); });
//
// `failed` runs on the calling thread when xdg-open cannot start or exits
// with an error within two seconds, unless `context` has gone by then. A
// later error comes from the viewer that xdg-open ran in the foreground and
// that the user has closed: it is not told.

#include <QString>

#include <functional>

class QObject;

void OpenOnDesktop(const QString &path, QObject *context, std::function<void()> failed);

#endif // DESKTOPOPENER_H
