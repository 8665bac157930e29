// The Bézier tool's marks: short straight paths across a path, a straight segment or an
// angle at its equal divisions, one mark at a set length along an open curve, and the
// centre mark of a circle. Made at the click, then sized (and turned to one side) at every
// drag event. Document points, y upwards; angles in radians, counter-clockwise from +x;
// mark lengths as the mark-length setting gives them, in millimetres.
#pragma once

#include <cstdint>
#include <vector>

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/drag_keys.h"
#include "plugin/geometry/angles.h"
#include "plugin/geometry/path_lengths.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// What the marks under way mark.
enum class CurveMarking {
    None,             // nothing: a drag does nothing
    PointOnCurve,     // the point at "LongueurSurCourbe" from an end of an open curve
    PathDivision,     // "NbDiv" equal lengths of a path
    SegmentDivision,  // "NbDiv" equal parts of a straight segment
    AngleDivision,    // "NbDiv" equal angles at a vertex
    CentreMark,       // the cross and arms at a circle's centre
};

/// The marking under way, from the click to mouse-up. The path does not change while the
/// button is held, so where the marks stand is found once, at the click; the drag only
/// sizes them.
struct CurveBuildState {
    CurveMarking marking = CurveMarking::None;
    AIArtHandle path = nullptr;
    Point clicked;  // the point the click used (the hovered point)
    // Point mode: the mark's place and direction along the curve.
    PathPosition point;
    // Path division: the end marks (anchor 0, then anchor n − 1 of an open path), the
    // division points, and P0 + T0 (the first segment's point and tangent at t = 0), which
    // decides the side of one-sided marks.
    bool closed = false;
    std::vector<PathPosition> ends;
    std::vector<PathPosition> divisions;
    Point firstTangentEnd;
    // Segment division: the segment A → B and its direction.
    Point segmentEnds[2];
    float segmentDirection = 0;
    // Angle division: V, S1, S2 and δ, the direction α of the first side, and whether the
    // pointer lies outside the sector between the sides (cleared at the click).
    Angle angle;
    float firstDirection = 0;
    bool outside = false;
};

/// Part of the plug-in object's state record bound to the message being handled
/// (frame/quill_state.h).
CurveBuildState& CurveBuild();

/// The mark paths of the drawing under way, in the current dimension group, bottom to
/// top. Every redraw reuses them, makes the missing ones inside the group on top and
/// disposes of those left over.
struct MarkList {
    std::vector<AIArtHandle> marks;
};

/// Part of the plug-in object's state record bound to the message being handled
/// (frame/quill_state.h).
MarkList& Marks();

/// A click in point mode on an open curve: its anchor `anchor` (−1 when a segment was
/// clicked), or the segment from `segmentStart` to `segmentEnd`.
struct ClickedCurve {
    AIArtHandle path = nullptr;
    std::int16_t anchor = -1;
    std::int16_t segmentStart = 0, segmentEnd = 0;
    Point clicked;
};

/// Where a point-mode click on a path of `anchors` anchors measures from: 1 from the
/// first anchor, −1 from the last, 0 when the click is not at an end.
int MeasuredEnd(const ClickedCurve& click, int anchors);

/// Point mode, in the group just made: at an end of an open path (its first or last
/// anchor, or its first or last segment; the last wins on a single segment), one mark
/// "LongueurDuPoint" long across the path at "LongueurSurCourbe" from that end. A closed
/// path, or a length beyond the curve, tells the user and disposes of the group; a click
/// elsewhere on the path disposes of it silently (both `Abandoned`).
BuildResult StartPointOnCurve(const ClickedCurve& click);
/// Division of the whole path clicked at `clicked`: its end marks and "NbDiv" − 1 marks.
BuildResult StartPathDivision(AIArtHandle path, Point clicked);
/// Division of the straight segment A → B clicked at `clicked`.
BuildResult StartSegmentDivision(Point a, Point b, Point clicked);
/// Division of the angle at a vertex: its two sides and "NbDiv" − 1 rays.
BuildResult StartAngleDivision(const Angle& angle);
/// The centre mark of a circle of radius r (points) about C: a cross of half-size g and
/// four arms r long beginning 2g from C, g = 9 or 0.36 r below a radius of 25; each of its
/// six segments is a dimension piece.
BuildResult DrawCentreMark(Point centre, float radius);

/// The click marks nothing after all: the user is told `alert` (none when nullptr) and the
/// group made for it goes.
BuildResult AbandonCurveMarks(const char* alert);

/// A drag event: the mark length is the pointer's distance, in points, from the marking's
/// reference point (the clicked point; for a segment the pointer's foot on it; for an
/// angle the vertex), rounded up to a multiple of 5 with Shift, and taken as millimetres.
/// Alt makes the marks one-sided (for an angle: divides the other angle), Ctrl leaves out
/// the end marks (an angle's sides; a closed path keeps its mark at anchor 0).
BuildResult DragCurveMarks(Point pointer, const DragKeys& keys);

/// The drawings, for a mark length L in millimetres.
AIErr MarkPointAtLength(float markLength);
AIErr MarkPathDivision(Point pointer, float markLength, const DragKeys& keys);
AIErr MarkSegmentDivision(Point pointer, float markLength, const DragKeys& keys);
AIErr MarkAngleDivision(Point pointer, float markLength, const DragKeys& keys);

}  // namespace quill
