#include "host/suites/memory_handles.h"

#include <cstdlib>
#include <unordered_set>

namespace host {

namespace {
std::unordered_set<void*>& LiveHandles() {
    static std::unordered_set<void*> live;
    return live;
}
}  // namespace

void* AllocateMemoryHandle(std::size_t size) {
    void* block = std::calloc(size ? size : 1, 1);
    if (block) LiveHandles().insert(block);
    return block;
}

bool FreeMemoryHandle(void* handle) {
    if (LiveHandles().erase(handle) == 0) return false;
    std::free(handle);
    return true;
}

void ReclaimMemoryHandles() {
    for (void* block : LiveHandles()) std::free(block);
    LiveHandles().clear();
}

}  // namespace host
