#include "FailingAllocations.h"

#include <cstdlib>
#include <new>

namespace {
int s_nCountdown = 0;
bool s_bFailed = false;
}  // namespace

void FailAllocationAfter(int n) {
    s_nCountdown = n;
    s_bFailed = false;
}

bool AllocationFailed() {
    return s_bFailed;
}

void* operator new(std::size_t size) {
    if (s_nCountdown > 0 && --s_nCountdown == 0) {
        s_bFailed = true;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
