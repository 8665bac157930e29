// Where a dimension stands relative to what it measures: read from its pieces before the
// update, and turned into the point where the rebuilt dimension is released so that it
// stands there again on the anchors as they are now.
#pragma once

#include <vector>

#include "app/update/dimension_survey.h"
#include "app/update/plane.h"
#include "host/document/document.h"

namespace quill::update {

/// The old placement of one dimension, in document points.
struct OldPlacement {
    DimensionKind kind = DimensionKind::Other;
    bool known = false;  // the pieces told where the measured geometry stood

    // Segment: the middle of the measured points, the direction between them, and the
    // foot of that middle on the dimension line; the dimension line itself. A horizontal or
    // vertical dimension keeps its offset's direction when the points turn.
    Vec middle, foot, lineStart, lineEnd;
    double direction = 0;
    bool alongAxis = false;
    // Another editor moved it: its line stays where it was left, on the points as they are.
    bool movedElsewhere = false;

    // Angle: the arc's radius, and whether the reflex angle was measured.
    double radius = 0;
    bool reflex = false;

    // Circle: the leader's direction from the centre; outside the circle, how far the bend
    // lies beyond the leader's last point; inside it (a landing only, on the radius line),
    // the bend's distance from the centre and the reach of the radius line.
    Vec leaderDirection{std::sqrt(0.5), std::sqrt(0.5)};
    bool bendInside = false;
    bool landingOnly = false;
    double beyondLast = 0, bendDistance = 0, radiusLineReach = 0;
    // How far another editor moved the leader's bend.
    Vec shift;
};

/// Reads the placement of `group` (its link piece `linkPiece`) in `document`: how far it
/// stood from what it measures, or, when another editor moved it (a transform on it in
/// the file), where it was left; `extensionGap` is the "Gap" between a measured point and
/// its extension line, in points.
OldPlacement ReadOldPlacement(const host::Document& document, const host::Art& group,
                              const host::Art& linkPiece, DimensionKind kind, double extensionGap);

/// The release point for the rebuilt dimension `rebuilt` (as the press built it) that
/// gives it the old placement on `anchors`, the measured anchors as they are now (in the
/// order of the link's index tags).
Vec ReleasePoint(const OldPlacement& old, const std::vector<AIPathSegment>& anchors,
                 const host::Art& rebuilt);

}  // namespace quill::update
