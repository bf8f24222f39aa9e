#ifndef RECORDFILE_H
#define RECORDFILE_H

// Record files (*.rec): one download kept on disk. The layout is described
// at the top of recordfile.cpp.

#include <QDateTime>
#include <QString>

class UartDataStore;

// "yyyyMMddhhmmss.rec" (18 characters) for the record's creation moment.
QString RecordFileName(const QDateTime &created);

// Writes the record held in the store to path through a temporary file, so a
// failed write (a full disk included) never leaves half a file. On success the store's record is
// the one on show: RECFilePath, RECTitle, ShowStart = 0, ShowEnd = Lognum,
// RecordShown. On failure returns false and, when error is given, a message
// naming the file; the store is left as it was.
bool WriteRecordFile(UartDataStore &store, const QString &path, QString *error);

// Reads a whole record file (a regular file only: a named pipe or a device
// is refused unread) and, only when all of it is valid, makes it the store's
// record on show, converted to its shown units, with every statistic and
// alarm pair of the record before cleared. On failure returns
// false, leaves the store untouched and, when error is given, sets a
// translated message naming the file and the reason.
bool ReadRecordFile(const QString &path, UartDataStore &store, QString *error);

#endif // RECORDFILE_H
