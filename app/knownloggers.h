#ifndef KNOWNLOGGERS_H
#define KNOWNLOGGERS_H

// The table of known loggers, "Ini/FileManager.ini": every meter that has
// identified itself, with the name it had and the day it was first seen.
//
// Binary layout (QDataStream, default version, no magic number):
//     quint8   number of entries (so at most 255)
//     then per entry:
//     QString  device ID
//     QString  meter name
//     QDate    first-seen date
//     qint32   model code
//
// The main window reads it into UartData.KnownLoggers at start:
//     KnownLoggerTable::Read(UartDataStore::KnownLoggerFilePath(), &UartData.KnownLoggers);

#include "app/uartdatastore.h"

#include <QString>
#include <QVector>

namespace KnownLoggerTable {

constexpr int MaxEntries = 255;

// Replaces *out with the table stored at path. A missing file is an empty
// table. Returns false when the file cannot be read (a named pipe, a device
// or a file of megabytes is not read at all) or is damaged; *out then holds
// the entries that were whole before the damage.
bool Read(const QString &path, QVector<KnownLogger> *out);

// Writes the first MaxEntries entries of table to path atomically, making
// the folder when needed. On failure (a write error or a full disk included)
// returns false, leaves any old file in place and puts the reason in *error
// (when error is not null).
bool Write(const QString &path, const QVector<KnownLogger> &table, QString *error);

// Adds a logger whose ID is new, or refreshes the name and model of a known
// one while its first-seen date stays. A logger without an ID, or a new one
// when the table already holds MaxEntries, is not added. Returns true when
// the table changed, so the caller knows it has something to write.
bool Register(QVector<KnownLogger> &table, const KnownLogger &logger);

} // namespace KnownLoggerTable

#endif // KNOWNLOGGERS_H
