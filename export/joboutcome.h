#ifndef JOBOUTCOME_H
#define JOBOUTCOME_H

// What a file job of the export worker left behind. The writer returns it,
// the worker keeps it until the job's done signal has been handled, and the
// completion dialog tells the user: the file was written, there was nothing
// to write, or the file could not be written and why.

#include <QString>

struct JobOutcome {
    enum class Kind {
        Written,         // the output file is complete
        NothingWritten,  // nothing to write: no layout for the record's model,
                         // or a name no writer takes; no file was made
        Failed,          // the file could not be written; Reason says why
    };

    Kind Result = Kind::Written;
    QString Reason;   // for NothingWritten and Failed, in words for the user

    static JobOutcome Success() { return {}; }
    static JobOutcome Nothing(const QString &reason) { return {Kind::NothingWritten, reason}; }
    static JobOutcome Failure(const QString &reason) { return {Kind::Failed, reason}; }
    bool IsWritten() const { return Result == Kind::Written; }
};

#endif // JOBOUTCOME_H
