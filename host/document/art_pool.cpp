#include "host/document/art_pool.h"

#include "host/document/art.h"

#include <memory>
#include <mutex>
#include <new>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILL_ART_POOL_OFF 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUILL_ART_POOL_OFF 1
#endif

namespace host {

#ifdef QUILL_ART_POOL_OFF

void* TakeArtRoom(std::size_t size) {
    return ::operator new(size);
}

void GiveBackArtRoom(void* room, std::size_t) noexcept {
    ::operator delete(room);
}

std::size_t IdleArtRoomBytes() {
    return 0;
}

#else

namespace {

// Each slab holds this many objects of this size.
constexpr std::size_t kSlabObjects = 4096;
constexpr std::size_t kRoom = sizeof(Art);

struct FreeRoom {
    FreeRoom* next;
};

// Slabs are kept for the life of the process: room given back is taken again first, the
// room given back last first.
class ArtPool {
 public:
    void* Take() {
        std::lock_guard<std::mutex> hold(lock_);
        if (free_) {
            FreeRoom* room = free_;
            free_ = room->next;
            idle_ -= kRoom;
            return room;
        }
        if (next_ == end_) {
            slabs_.push_back(std::make_unique<unsigned char[]>(kRoom * kSlabObjects));
            next_ = slabs_.back().get();
            end_ = next_ + kRoom * kSlabObjects;
            idle_ += kRoom * kSlabObjects;
        }
        idle_ -= kRoom;
        void* room = next_;
        next_ += kRoom;
        return room;
    }
    void GiveBack(void* room) noexcept {
        std::lock_guard<std::mutex> hold(lock_);
        free_ = new (room) FreeRoom{free_};
        idle_ += kRoom;
    }
    std::size_t Idle() {
        std::lock_guard<std::mutex> hold(lock_);
        return idle_;
    }

 private:
    std::mutex lock_;
    std::vector<std::unique_ptr<unsigned char[]> > slabs_;
    unsigned char* next_ = nullptr;
    unsigned char* end_ = nullptr;
    FreeRoom* free_ = nullptr;
    std::size_t idle_ = 0;
};

ArtPool& Pool() {
    static ArtPool* pool = new ArtPool;  // never destroyed: art may outlive static destruction
    return *pool;
}

}  // namespace

void* TakeArtRoom(std::size_t) {
    return Pool().Take();
}

void GiveBackArtRoom(void* room, std::size_t) noexcept {
    Pool().GiveBack(room);
}

std::size_t IdleArtRoomBytes() {
    return Pool().Idle();
}

#endif

}  // namespace host
