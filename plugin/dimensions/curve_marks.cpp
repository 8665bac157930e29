#include "plugin/dimensions/curve_marks.h"

#include <cmath>

#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/dimensions/texts.h"
#include "plugin/geometry/divisions.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

// With Shift the mark length goes in steps of 5.
constexpr float kMarkLengthStep = 5.0f;
// The centre mark: its cross's half-size, and below which radius it shrinks with it.
constexpr float kCentreCross = 9.0f;
constexpr float kSmallRadius = 25.0f;
constexpr float kSmallCrossPerRadius = 0.36f;

// How the paths of a drawing are made.
enum class MarkPaths {
    Plain,     // segment and angle divisions
    Selected,  // point mode and path division: fully selected, ready to be moved at once
    Pieces,    // the centre mark: dimension pieces
};

float MarkLengthSetting() {
    return static_cast<float>(Settings().markLength);
}

AIErr NewMarkPath(MarkPaths kind, AIArtHandle* path) {
    *path = nullptr;
    AIErr result = sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, ArtSet().group, path);
    if (result != kNoErr) return result;
    if (kind == MarkPaths::Pieces) result = TagPiece(*path);
    if (kind == MarkPaths::Selected)
        result = sAIArt->SetArtUserAttr(*path, kArtFullySelected, kArtFullySelected);
    return result;
}

// Draws the marks into the list's paths, in order, dashed with "TraitsPointilles".
AIErr DrawMarks(const std::vector<Mark>& marks, MarkPaths kind) {
    if (!IsValidArt(ArtSet().group)) return kNoErr;
    std::vector<AIArtHandle>& paths = Marks().marks;
    HostSteps steps;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (i == paths.size()) paths.push_back(nullptr);
        if (!IsValidArt(paths[i])) steps << NewMarkPath(kind, &paths[i]);
        steps << SetStraightLine(marks[i].from, marks[i].to, paths[i], LineRole::DimensionLine);
    }
    for (std::size_t i = marks.size(); i < paths.size(); ++i) steps << DisposeArt(paths[i]);
    if (paths.size() > marks.size()) paths.resize(marks.size());
    return steps.Last();
}

// A mark at a place on a path, across its tangent.
Mark AcrossPath(const PathPosition& at, float markLength, bool oneSided, bool rightSide) {
    return PerpendicularMark(at.point, at.direction, markLength, oneSided, rightSide);
}

// The point and tangent direction of segment i at t, as the host evaluates them.
PathPosition PositionOnSegment(const PathReader& path, const BezierService& service, int segment,
                               float t) {
    const Bezier bezier = SegmentBezier(path, segment);
    PathPosition at;
    at.segment = segment;
    at.t = t;
    at.point = service.Evaluate(bezier, t);
    at.direction = DirectionAngle(at.point, at.point + service.Tangent(bezier, t));
    return at;
}

// A new marking starts: the marks of the last one stay where they are.
CurveBuildState& NewMarking(CurveMarking marking) {
    Marks().marks.clear();
    CurveBuildState& state = CurveBuild();
    state = CurveBuildState{};
    state.marking = marking;
    return state;
}

BuildResult Started(AIErr code) {
    return Reported(
        {code, IsValidArt(ArtSet().group) ? BuildOutcome::Built : BuildOutcome::NothingBuilt});
}

// A host read failed: the group made for the marks goes, and with it the marking.
BuildResult FailedRead(const ai::Error& error) {
    AbandonCurveMarks(nullptr);
    return Reported({error.code(), BuildOutcome::Abandoned});
}

}  // namespace

int MeasuredEnd(const ClickedCurve& click, int anchors) {
    if (click.anchor >= 0) {
        if (click.anchor == anchors - 1) return -1;
        return click.anchor == 0 ? 1 : 0;
    }
    // A straight end segment counts as much as a curved one.
    if (click.segmentEnd == anchors - 1) return -1;
    return click.segmentStart == 0 ? 1 : 0;
}

BuildResult AbandonCurveMarks(const char* alert) {
    const AIErr code = DisposeArt(ArtSet().group);
    ArtSet().group = nullptr;
    Marks().marks.clear();
    CurveBuild() = CurveBuildState{};
    if (alert) ShowAlert(alert);
    return Reported({code, BuildOutcome::Abandoned});
}

BuildResult StartPointOnCurve(const ClickedCurve& click) {
    CurveBuildState& state = NewMarking(CurveMarking::PointOnCurve);
    state.path = click.path;
    state.clicked = click.clicked;
    try {
        const HostPath path(click.path);
        const HostBezierService service;
        if (path.Closed()) return Reported(AbandonCurveMarks(texts::kPathMustBeOpen.c_str()));
        const int anchors = path.AnchorCount();
        const int end = anchors < 2 ? 0 : MeasuredEnd(click, anchors);
        if (end == 0) return Reported(AbandonCurveMarks(nullptr));
        const float along = static_cast<float>(Settings().lengthOnCurve) * kPointsPerMillimetre;
        const float total = PathLengthBetween(path, service, 0, anchors - 1);
        if (along > total) return Reported(AbandonCurveMarks(texts::kPointBeyondCurve.c_str()));
        state.point = PointAtLength(path, service, end > 0 ? along : total - along);
    } catch (const ai::Error& error) {
        return Reported(FailedRead(error));
    }
    return Reported(Started(MarkPointAtLength(MarkLengthSetting())));
}

BuildResult StartPathDivision(AIArtHandle art, Point clicked) {
    CurveBuildState& state = NewMarking(CurveMarking::PathDivision);
    state.path = art;
    state.clicked = clicked;
    try {
        const HostPath path(art);
        const HostBezierService service;
        const int anchors = path.AnchorCount();
        if (anchors < 2) return Reported(AbandonCurveMarks(nullptr));
        state.closed = path.Closed();
        state.ends.push_back(PositionOnSegment(path, service, 0, 0));
        const Bezier first = SegmentBezier(path, 0);
        state.firstTangentEnd = state.ends[0].point + service.Tangent(first, 0);
        if (!state.closed) state.ends.push_back(PositionOnSegment(path, service, anchors - 2, 1));
        state.divisions = DividePath(path, service, Settings().divisions);
    } catch (const ai::Error& error) {
        return Reported(FailedRead(error));
    }
    return Reported(Started(MarkPathDivision(clicked, MarkLengthSetting(), DragKeys{})));
}

BuildResult StartSegmentDivision(Point a, Point b, Point clicked) {
    CurveBuildState& state = NewMarking(CurveMarking::SegmentDivision);
    state.clicked = clicked;
    state.segmentEnds[0] = a;
    state.segmentEnds[1] = b;
    state.segmentDirection = DirectionAngle(a, b);
    return Reported(Started(MarkSegmentDivision(clicked, MarkLengthSetting(), DragKeys{})));
}

BuildResult StartAngleDivision(const Angle& angle) {
    CurveBuildState& state = NewMarking(CurveMarking::AngleDivision);
    state.clicked = angle.vertex;
    state.angle = angle;
    state.firstDirection = DirectionAngle(angle.vertex, angle.first);
    return Reported(Started(MarkAngleDivision(angle.vertex, MarkLengthSetting(), DragKeys{})));
}

BuildResult DrawCentreMark(Point c, float r) {
    NewMarking(CurveMarking::CentreMark);
    const float g = r < kSmallRadius ? kSmallCrossPerRadius * r : kCentreCross;
    const std::vector<Mark> marks = {
        {{c.h - g, c.v}, {c.h + g, c.v}},
        {{c.h + 2 * g, c.v}, {c.h + 2 * g + r, c.v}},
        {{c.h - 2 * g, c.v}, {c.h - 2 * g - r, c.v}},
        {{c.h, c.v - g}, {c.h, c.v + g}},
        {{c.h, c.v + 2 * g}, {c.h, c.v + 2 * g + r}},
        {{c.h, c.v - 2 * g}, {c.h, c.v - 2 * g - r}},
    };
    return Reported(Started(DrawMarks(marks, MarkPaths::Pieces)));
}

AIErr MarkPointAtLength(float markLength) {
    // Point mode draws in the line width of the settings as they stand.
    RefreshStrokeWidths();
    const Mark mark = AcrossPath(CurveBuild().point, markLength, false, false);
    return DrawMarks({mark}, MarkPaths::Selected);
}

AIErr MarkPathDivision(Point pointer, float markLength, const DragKeys& keys) {
    const CurveBuildState& state = CurveBuild();
    const Point c = state.clicked;
    // One side for every mark, chosen from the pointer once for the whole drawing.
    const bool rightSide = Dot(c - pointer, c - state.firstTangentEnd) > 0;
    std::vector<Mark> marks;
    // A closed path keeps its mark at anchor 0 whatever Ctrl says.
    if (!keys.control || state.closed)
        for (const PathPosition& end : state.ends)
            marks.push_back(AcrossPath(end, markLength, keys.alt, rightSide));
    for (const PathPosition& at : state.divisions)
        marks.push_back(AcrossPath(at, markLength, keys.alt, rightSide));
    return DrawMarks(marks, MarkPaths::Selected);
}

AIErr MarkSegmentDivision(Point pointer, float markLength, const DragKeys& keys) {
    const CurveBuildState& state = CurveBuild();
    const Point a = state.segmentEnds[0], b = state.segmentEnds[1];
    const float phi = state.segmentDirection;
    // One-sided marks go to the pointer's side of the segment.
    const bool rightSide = Cross(a, b, ProjectOnLine(pointer, a, b), pointer) < 0;
    std::vector<Point> places;
    if (!keys.control) places = {a, b};
    for (const Point& p : DivideSegment(a, b, Settings().divisions)) places.push_back(p);
    std::vector<Mark> marks;
    for (const Point& p : places)
        marks.push_back(StraightSegmentMark(p, phi, markLength, keys.alt, rightSide));
    return DrawMarks(marks, MarkPaths::Plain);
}

AIErr MarkAngleDivision(Point, float markLength, const DragKeys& keys) {
    const CurveBuildState& state = CurveBuild();
    const Point v = state.angle.vertex;
    const float alpha = state.firstDirection, delta = state.angle.opening;
    std::vector<float> directions;
    if (!keys.control) directions = {alpha, alpha - delta};
    const bool outer = state.outside != keys.alt;
    for (float direction : DivideAngle(alpha, delta, Settings().divisions, outer))
        directions.push_back(direction);
    std::vector<Mark> marks;
    for (float direction : directions) marks.push_back({v, RayEnd(v, direction, markLength)});
    return DrawMarks(marks, MarkPaths::Plain);
}

BuildResult DragCurveMarks(Point pointer, const DragKeys& keys) {
    CurveBuildState& state = CurveBuild();
    Point reference = state.clicked;
    if (state.marking == CurveMarking::SegmentDivision)
        reference = ProjectOnLine(pointer, state.segmentEnds[0], state.segmentEnds[1]);
    if (state.marking == CurveMarking::AngleDivision)
        state.outside = !StrictlyInsideOpening(state.angle, pointer);
    float length = PointDistance(reference, pointer);
    if (keys.shift) length = std::ceil(length / kMarkLengthStep) * kMarkLengthStep;
    switch (state.marking) {
        case CurveMarking::PointOnCurve:
            return Reported({MarkPointAtLength(length)});
        case CurveMarking::PathDivision:
            return Reported({MarkPathDivision(pointer, length, keys)});
        case CurveMarking::SegmentDivision:
            return Reported({MarkSegmentDivision(pointer, length, keys)});
        case CurveMarking::AngleDivision:
            return Reported({MarkAngleDivision(pointer, length, keys)});
        default:
            return Reported({kNoErr, BuildOutcome::NothingBuilt});
    }
}

}  // namespace quill
