#include "platform/ProcessMemory.h"

#include <malloc.h>

void ReturnFreeMemory() {
    ::malloc_trim(0);
}

void ReturnLargeBlocksWhenFreed() {
    // A fixed threshold: the allocator would otherwise raise it after the first large block
    // freed, and keep the later ones in the heap.
    ::mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}
