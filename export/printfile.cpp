#include "export/printfile.h"

#include <QByteArray>
#include <QPrinter>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "app/ownfiles.h"
#include "app/wholefile.h"

namespace {

// Reads the pipe to its end into the file; after a failed write the rest is
// read and dropped, so that the printer never waits on a full pipe.
void RelayPipe(int readEnd, WholeFileWriter *file)
{
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(readEnd, buffer.data(), size_t(buffer.size()));
        if (got > 0)
            file->Write(QByteArray(buffer.constData(), int(got)));
        else if (got == 0 || errno != EINTR)
            break;
    }
    ::close(readEnd);
}

} // namespace

PrintFile::PrintFile(QPrinter *printer)
    : Printer(printer)
{
    if (printer->outputFormat() == QPrinter::PdfFormat)
        Path = printer->outputFileName();
}

PrintFile::~PrintFile()
{
    if (File)
        Commit(false);
}

bool PrintFile::Open()
{
    if (Path.isEmpty())
        return true;
    File = std::make_unique<WholeFileWriter>(Path);
    if (!File->Open()) {
        Error = File->ErrorString();
        File.reset();
        return false;
    }
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        Error = SystemReason(errno);
        File.reset();
        return false;
    }
    WriteEnd = ends[1];
    Relay = std::thread(RelayPipe, ends[0], File.get());
    // The engine opens this name as its output: another descriptor of the
    // pipe's write end, which ours keeps open until the painter has ended.
    Printer->setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(WriteEnd));
    return true;
}

void PrintFile::StopRelay()
{
    ::close(WriteEnd);
    WriteEnd = -1;
    Relay.join();
    Printer->setOutputFileName(Path);
}

bool PrintFile::Commit(bool keep)
{
    if (!File)
        return Error.isEmpty();
    StopRelay();
    // A writer that goes without its commit drops its temporary file.
    const std::unique_ptr<WholeFileWriter> file = std::move(File);
    if (!keep)
        return true;
    if (!file->Commit()) {
        Error = file->ErrorString();
        return false;
    }
    return true;
}
