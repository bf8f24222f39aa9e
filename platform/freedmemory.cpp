#include "platform/freedmemory.h"

#include <atomic>
#include <cstdlib>   // defines __GLIBC__ on the GNU C library
#include <thread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Blocks from this size up get pages of their own, which go back to the
// system as the block is freed: the largest size the library would raise
// it to by itself.
constexpr int OwnPagesFrom = 32 << 20;
// The free memory a heap keeps at its top for the blocks to come.
constexpr int KeptHeapTop = 4 << 20;

} // namespace

void LimitKeptFreeMemory()
{
#ifdef __GLIBC__
    // Values set here are no longer raised by the library as blocks are
    // freed.
    mallopt(M_MMAP_THRESHOLD, OwnPagesFrom);
    mallopt(M_TRIM_THRESHOLD, KeptHeapTop);
#endif
}

void ReturnFreedMemory()
{
#ifdef __GLIBC__
    // On a thread of its own that ends with the pass, so that the window
    // never waits for it and no thread stays behind. Requests made before a
    // pass has begun share it.
    static std::atomic_bool pending {false};
    if (pending.exchange(true))
        return;
    std::thread([] {
        pending = false;
        malloc_trim(0);
    }).detach();
#endif
}
