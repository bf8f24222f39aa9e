#ifndef FREEDMEMORY_H
#define FREEDMEMORY_H

// Memory that the program frees goes back to the system, rather than being
// kept by the C library for a reuse that may never come.
//
// With the GNU C library's defaults, every large buffer freed raises the size
// of free memory that a heap keeps at its top (up to 64 MB a heap). The
// threads that lay out the report preview and print it each have heaps of
// their own; once a long report had passed, those heaps kept their freed
// tops for good, and a window that opened record after record grew by
// hundreds of megabytes. LimitKeptFreeMemory() fixes that size; call it
// first thing in main(), before any thread starts.
//
// ReturnFreedMemory() hands back, from the heaps of all threads, the whole
// pages that lie free between blocks still in use; call it after a large
// piece of work has freed its memory (a report page dropped or laid out, a
// print or export job done). The pass (some 15 ms after a long report) runs
// on a thread of its own, so the caller goes on at once.
//
// Both do nothing on other C libraries.

void LimitKeptFreeMemory();
void ReturnFreedMemory();

#endif // FREEDMEMORY_H
