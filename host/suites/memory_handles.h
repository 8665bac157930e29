// Memory handles the host gives the plug-in (lists of matching art, ...), freed with
// the MdMemory suite.
#pragma once

#include <cstddef>

namespace host {

/// A zero-filled block of `size` bytes, or nullptr when memory runs out.
void* AllocateMemoryHandle(std::size_t size);
/// Frees a block of AllocateMemoryHandle; false for a pointer that is not a live handle
/// (nothing is freed then).
bool FreeMemoryHandle(void* handle);
/// Frees every block still live: a quitting host takes back what its plug-ins did not
/// give back (a dispose that failed, for one).
void ReclaimMemoryHandles();

}  // namespace host
