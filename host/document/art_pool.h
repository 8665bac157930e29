// Where art objects live: in large slabs, one after the other in the order they are made,
// rather than scattered among the other allocations of the drawing. A walk over art made
// one after the other (what a file's reading makes) then reads memory in order.
// Sanitizer builds leave art to the ordinary allocator, which checks every use.
#pragma once

#include <cstddef>

namespace host {

/// Room for one art object (`size` is always the size of an art: the class is final).
void* TakeArtRoom(std::size_t size);
/// Gives back room taken by TakeArtRoom.
void GiveBackArtRoom(void* room, std::size_t size) noexcept;
/// Bytes the slabs hold that no art uses: taken from the allocator, kept for art to come.
std::size_t IdleArtRoomBytes();

}  // namespace host
