#ifndef EXPORT_FILEJOB_H
#define EXPORT_FILEJOB_H

// What the start of a file job needs to know: the save dialog it asks with,
// what the record must hold for it, and the start signal that hands it to
// the worker. MainWindow::StartFileJob does the rest alike for every job:
// the record test, the running test, the default name, the busy flag around
// the save dialog, the output name and the start of the worker thread.

class MainWindow;

struct FileJob {
    const char *Caption; // save dialog caption, translated
    const char *Filter; // save dialog filter
    bool TranslateFilter;
    const char *NamePrefix; // default name: reports folder + prefix + time
    bool NeedsReport; // true: refused until a report has been built;
                      // false: refused while the record has no samples
    void (MainWindow::*Start)(); // the job's start signal
};

#endif // EXPORT_FILEJOB_H
