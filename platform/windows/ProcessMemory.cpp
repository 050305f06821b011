#include "platform/ProcessMemory.h"

#include <malloc.h>

// Windows' heap gives large blocks back to the system by itself when they are freed.
void ReturnLargeBlocksWhenFreed() {}

void ReturnFreeMemory() {
    _heapmin();
}
