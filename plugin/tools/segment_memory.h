// The ends of the segments measured last, newest first, for the Segment tool's drag to
// snap to. Holds at most "NombreSouvenirsPrefs" points, two per segment.
#pragma once

#include <functional>
#include <vector>

#include "plugin/geometry/types.h"

namespace quill {

struct RememberedSegment {
    Point first, second;
};

class SegmentMemory {
 public:
    /// Remembers a measured segment unless it is known already (in either direction).
    /// When full, the oldest segment goes. `capacity` counts points; an odd capacity
    /// holds as many whole segments as fit.
    void Add(Point a, Point b, int capacity);

    /// The first remembered point, newest segment first and within a segment its first
    /// point, for which `close` is true; `visitedWithoutMatch` is called for every segment
    /// that has none. False when no point matched.
    bool FindClose(const std::function<bool(Point)>& close,
                   const std::function<void()>& visitedWithoutMatch, Point* found) const;

    const std::vector<RememberedSegment>& entries() const { return entries_; }
    void Clear() { entries_.clear(); }

 private:
    std::vector<RememberedSegment> entries_;  // newest first
};

}  // namespace quill
