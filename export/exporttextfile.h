#ifndef EXPORTTEXTFILE_H
#define EXPORTTEXTFILE_H

// The text file of a TXT or CSV export: GB2312 bytes without byte-order
// mark, whatever codec the process has, written whole or not at all. A file
// that cannot be written completely (a full disk, a folder without write
// permission) leaves an existing file of that name as it was, and the outcome
// says why in the system's words.
//
//     ExportTextFile file(fileName);
//     if (!file.Open()) return file.Outcome();
//     file.Write(line + "\n");
//     return file.Finish();

#include "app/wholefile.h"
#include "export/joboutcome.h"

#include <QString>

class QTextCodec;

class ExportTextFile
{
public:
    explicit ExportTextFile(const QString &path);

    bool Open();
    void Write(const QString &text);
    // Completes the file: Written, or Failed with the reason.
    JobOutcome Finish();
    // Failed with the reason of the failure so far.
    JobOutcome Outcome() const { return JobOutcome::Failure(File.ErrorString()); }

private:
    void Flush();

    WholeFileWriter File;
    QTextCodec *Codec;
    QString Batch;   // lines not yet encoded
};

#endif // EXPORTTEXTFILE_H
