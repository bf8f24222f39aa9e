#ifndef TESTS_SUPPORT_ODDFILE_H
#define TESTS_SUPPORT_ODDFILE_H

#include <QString>

// Puts something that is no regular file where a reader expects one:
// "folder", "pipe" (a named pipe, whose open would wait for a writer) or
// "device" (a link to /dev/zero, which never ends). Any other kind puts
// nothing. False when it cannot be made.
//
//     QVERIFY(PutOddFile(dir.filePath("Ini/Config.ini"), "pipe"));
bool PutOddFile(const QString &path, const QString &kind);

#endif // TESTS_SUPPORT_ODDFILE_H
