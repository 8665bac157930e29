// The length of a whole open path measured along it: the dimension line is the path
// shifted sideways by "Attaches", taken from the outline of a stroke twice as wide.
#pragma once

#include <cstdint>

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/segment_layout.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// The curve clicked: its path and segment, the host's parameter and point of the hit,
/// and the pointer.
struct CurveClick {
    AIArtHandle path = nullptr;
    std::int16_t segment = 0;  // the segment's start anchor
    float t = 0;
    Point point;
    Point pointer;
};

/// The click on a curve: the clicked point and the tangent there, the pieces, and the
/// first build at the current "Attaches". Nothing is built when the group is gone.
BuildResult StartCurveDimension(const CurveClick& click);
/// A drag event: the offset is the pointer's distance from the clicked point, on the
/// pointer's side of the curve.
BuildResult DragCurveDimension(Point pointer, const DragKeys& keys);
/// Rebuilds line A, the extension lines, the arrowheads and the label for the offset
/// `offset` (its sign chooses the side). Nothing unless the measured path and line A
/// exist and the offset is not 0. An offset too large for the curve's bends abandons the
/// dimension.
BuildResult BuildCurveDimension(Point pointer, float offset, const DragKeys& keys);

}  // namespace quill
