#include "plugin/tools/segment_memory.h"

#include "plugin/geometry/vectors.h"

namespace quill {

void SegmentMemory::Add(Point a, Point b, int capacity) {
    for (const auto& entry : entries_) {
        const bool firstKnown = SamePoint(entry.first, a) || SamePoint(entry.first, b);
        const bool secondKnown = SamePoint(entry.second, a) || SamePoint(entry.second, b);
        if (firstKnown && secondKnown) return;
    }
    const int points = 2 * static_cast<int>(entries_.size());
    const bool full = !entries_.empty() && points + 2 > capacity;
    if (full) entries_.pop_back();
    entries_.insert(entries_.begin(), RememberedSegment{a, b});
}

bool SegmentMemory::FindClose(const std::function<bool(Point)>& close,
                              const std::function<void()>& visitedWithoutMatch,
                              Point* found) const {
    for (const auto& entry : entries_) {
        for (Point end : {entry.first, entry.second})
            if (close(end)) {
                *found = end;
                return true;
            }
        visitedWithoutMatch();
    }
    return false;
}

}  // namespace quill
