#include "host/core/heap_policy.h"

#include <cstdlib>  // says whether this is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace host {

void GiveLargeBlocksBack() {
#if defined(__GLIBC__)
    // Setting the threshold, even to glibc's default, stops glibc from raising it after a
    // large block is freed.
    constexpr int kLargeBlock = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
#endif
}

namespace {

#if defined(__GLIBC__)
// Before anything else is allocated: once the heap's top has grown, large blocks would be
// carved from it whatever the threshold says. The host calls it again, which links this in.
__attribute__((constructor(101))) void GiveLargeBlocksBackFromTheStart() {
    GiveLargeBlocksBack();
}
#endif

}  // namespace

}  // namespace host
