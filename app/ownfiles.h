#ifndef OWNFILES_H
#define OWNFILES_H

// The program's own files (records, Config.ini, FileManager.ini): reading
// them safely and making the folders they go in.
//
// ReadRegularFile reads a file that ought to be an ordinary file of modest
// size. Anything else is refused before it can do harm: a named pipe would
// block the open for ever, a link to a device would never end, and no more
// than the limit plus one byte is ever read.
//
//     QByteArray bytes;
//     const RegularFileRead read = ReadRegularFile(path, 1 << 20, &bytes);
//     if (read.result != RegularFileRead::Result::Read) ... read.reason ...

#include <QByteArray>
#include <QString>

struct RegularFileRead {
    enum class Result {
        Read,        // the bytes hold the whole file
        Missing,     // nothing by that name (or a part of the path is no folder)
        Unreadable,  // there, but it cannot be opened or read (a folder included)
        NotRegular,  // a named pipe, a device, a socket
        TooLarge,    // longer than the limit
    };
    Result result = Result::Unreadable;
    QString reason;   // in the system's words, for every result but Read
};

RegularFileRead ReadRegularFile(const QString &path, qint64 limit, QByteArray *bytes);
// The system's words for an error code (errno): "Permission denied".
QString SystemReason(int code);
// Why a named pipe, a device or a socket is refused where a file is read or
// written, translated.
QString NotRegularFileReason();

// Makes the folder, with every folder above it. When it cannot be made,
// returns false and a translated message that names the folder and the
// system's reason ("Not a directory", "Permission denied").
bool MakeFolder(const QString &folder, QString *error);
// The same for the folder that is to hold filePath.
bool MakeFolderFor(const QString &filePath, QString *error);

#endif // OWNFILES_H
