#include "export/exporttextfile.h"

#include <QTextCodec>

namespace {

// Lines are gathered and encoded some thousands at a time.
constexpr int BatchLimit = 64 * 1024;

bool IsAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

ExportTextFile::ExportTextFile(const QString &path)
    : File(path)
    , Codec(QTextCodec::codecForName("GB2312"))
{
}

bool ExportTextFile::Open()
{
    Batch.reserve(BatchLimit + 1024);
    return File.Open();
}

void ExportTextFile::Write(const QString &text)
{
    Batch += text;
    if (Batch.size() >= BatchLimit)
        Flush();
}

// Rows are plain ASCII, which GB2312 leaves as it is; only text with other
// characters (units, names, em dashes) goes through the codec.
void ExportTextFile::Flush()
{
    if (IsAscii(Batch))
        File.Write(Batch.toLatin1());
    else
        File.Write(Codec ? Codec->fromUnicode(Batch) : Batch.toUtf8());
    Batch.resize(0);   // keeps the reserved room
}

JobOutcome ExportTextFile::Finish()
{
    Flush();
    return File.Commit() ? JobOutcome::Success() : Outcome();
}
