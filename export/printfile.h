#ifndef EXPORT_PRINTFILE_H
#define EXPORT_PRINTFILE_H

// A print-out that the print dialog sends to a PDF file is written as the
// exports write theirs (see wholefile.h): a target that is no regular file
// is refused before anything opens it, the pages go to a temporary file
// beside it, only a complete file replaces the old one, and a failed write
// (a full disk) is told with the system's reason.
//
// The printer's PDF engine opens its output file itself and does not tell
// when a write to it fails. So the printer is given the write end of a pipe
// instead, and a thread of ours reads the pipe and writes what comes out of
// it through a WholeFileWriter, every write checked. Printing to a printer
// is left as it is.
//
//     PrintFile file(printer);
//     if (!file.Open()) fail(file.ErrorString());
//     const PrintRun run = ...paint on the printer...;
//     if (!file.Commit(run.printed && !run.failed)) fail(file.ErrorString());

#include <QString>

#include <memory>
#include <thread>

class QPrinter;
class WholeFileWriter;

class PrintFile
{
public:
    explicit PrintFile(QPrinter *printer);
    // An uncommitted file is dropped; the printer's output is put back.
    ~PrintFile();
    PrintFile(const PrintFile &) = delete;
    PrintFile &operator=(const PrintFile &) = delete;

    // The PDF file chosen in the print dialog; "" when printing to a printer.
    QString Target() const { return Path; }
    // Sets the printer's output up; false, with the reason, when the target
    // cannot be written. Nothing to do when printing to a printer.
    bool Open();
    // Once the painter has ended: keeps the file when `keep` and it was
    // written whole, else drops it and leaves the target as it was. False
    // when the file could not be written.
    bool Commit(bool keep);
    QString ErrorString() const { return Error; }

private:
    void StopRelay();

    QPrinter *Printer;
    QString Path;
    QString Error;
    std::unique_ptr<WholeFileWriter> File;
    int WriteEnd = -1;
    std::thread Relay;
};

#endif // EXPORT_PRINTFILE_H
