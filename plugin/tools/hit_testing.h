// The host hit tests every classification makes, and the reading of a segment hit into
// the hover record. Failures raise ai::Error; the classifications catch it.
#pragma once

#include "plugin/geometry/types.h"
#include "plugin/tools/hover_state.h"
#include "sdk/quill_vocabulary.h"
#include "sdk/sdk.h"

namespace quill {

/// Tolerances of the hit tests, in points (the boundary's vocabulary).
using vocabulary::kHoverTolerance;
using vocabulary::kSecondPathTolerance;

/// One host hit test at the pointer; the hit record is released whatever happens.
AIToolHitData HitAt(Point pointer, AIReal tolerance, int32_t request);

/// The point test at the pointer, looking through the pieces of dimensions that lie on
/// top (an extension line starts on the very point it measures): the first hit that is
/// no dimension piece, or no hit. `dimensionHit` is set when a dimension piece was hit.
AIToolHitData PointThroughDimensions(Point pointer, bool* dimensionHit);

/// Whether the art is a clickable piece of a dimension: it carries a kind marker.
bool IsDimensionLine(AIArtHandle art);

/// Whether a segment of another path lies under the pointer (within 2 points) while
/// `path` is locked for the time of the test.
bool OtherPathUnder(AIArtHandle path, Point pointer);

/// The host's snap of the pointer to a crossing of two paths.
Point CrossingPoint(Point pointer);

/// Records the path and the segment of a segment hit: the host's index is the segment's
/// end anchor, 0 for the closing segment of a closed path.
void RecordSegmentHit(HoverState& hover, const AIToolHitData& hit);

/// The kind of a segment from its Bézier: straight (both control points on their anchors),
/// circular arc (the arc test on the segment records `arcStart` and `arcEnd`, taken
/// `backwards` for a closing segment) or other curve; `dimensionLine` gives the
/// dimension kinds. Sets the segment's end points, and the circle of an arc.
void SetSegmentKind(HoverState& hover, const Bezier& bezier, const PathSegment& arcStart,
                    const PathSegment& arcEnd, bool backwards, bool dimensionLine);

/// Straight segment, circular arc or other curve, from the Bézier of the recorded
/// segment; `dimensionLine` gives the dimension kinds instead. The hover point of a
/// straight segment is `straightPoint`, that of a curve the host's hit point.
void ClassifySegmentShape(HoverState& hover, const AIToolHitData& hit, Point straightPoint,
                          bool dimensionLine);

/// Rewrites `CurrentHover()` by running `classify` on it. A failing host call leaves
/// what was found until then and gives its code; the classification never alerts.
AIErr RunClassification(void (*classify)(HoverState&, Point), Point pointer);

}  // namespace quill
