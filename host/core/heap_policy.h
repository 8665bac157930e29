#pragma once

namespace host {

/// Large blocks are handed back to the system as soon as they are freed, in the whole
/// process. A large drawing's tables grow by doubling while it is read and indexed; once
/// the allocator has raised its own threshold, the outgrown tables stay behind as holes in
/// the heap that nothing smaller fills (about 6 MB at 100,000 paths, at the moment the
/// process peaks). Set when the program starts; idempotent; does nothing where the C
/// library offers no such setting.
void GiveLargeBlocksBack();

}  // namespace host
