// The limits of what a document holds: exactly what a saved drawing can carry and be read
// back whole. Beyond them, scripts and files are refused with a message and suite calls
// fail, leaving the document as it was.
#pragma once

#include <cmath>
#include <cstddef>

#include "sdk/types.h"

namespace host {

/// Magnitudes of coordinates and lengths, in points: no drawing needs more, and a float
/// has lost every digit of precision long before.
constexpr double kLargestCoordinate = 1e15;
/// The most anchors a path holds: the path suite counts them in 16 bits.
constexpr std::size_t kMostPathAnchors = 32767;
/// Groups nest at most this deep inside a layer: as deep as a saved drawing may nest them
/// and still be read back whole.
constexpr int kDeepestGroups = 255;

inline bool InDrawingRange(double value) {
    return std::fabs(value) <= kLargestCoordinate;
}
inline bool InDrawingRange(const AIRealPoint& p) {
    return InDrawingRange(p.h) && InDrawingRange(p.v);
}
inline bool InDrawingRange(const AIPathSegment& s) {
    return InDrawingRange(s.p) && InDrawingRange(s.in) && InDrawingRange(s.out);
}
inline bool InDrawingRange(const AIRealMatrix& m) {
    return InDrawingRange(m.a) && InDrawingRange(m.b) && InDrawingRange(m.c) &&
           InDrawingRange(m.d) && InDrawingRange(m.tx) && InDrawingRange(m.ty);
}

}  // namespace host
