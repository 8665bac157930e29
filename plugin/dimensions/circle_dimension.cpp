#include "plugin/dimensions/circle_dimension.h"

#include <cmath>

#include "plugin/dimensions/arrowheads.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/circle_art_set.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/label_text.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/affine.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/suites.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/label.h"

namespace quill {

namespace {

// π/4 as the single-precision step of the leader's directions with Shift, and the
// direction a new leader starts in.
constexpr float kQuarterPi = 0.7853982f;
// Where the bend of the first leader of a session stands from the centre, in points.
constexpr float kFirstBendDistance = 32;
constexpr int kLeaderPoints = 3;

// The leader as laid out for one event: from the end of its landing (where the label
// stands) to its bend, then to the circle; inside a circle with its radius line drawn,
// the landing alone.
struct Leader {
    Point points[kLeaderPoints];
    std::int16_t count = kLeaderPoints;
    bool landsLeft = false;  // the landing goes left: the label ends where it ends
};

Leader LayOutLeader(const CircleGeometry& c, Point pointer, Point onCircle, const DragKeys& keys) {
    const SettingsRecord& s = Settings();
    const float phi = c.leaderAngle;
    const float landingLength = static_cast<float>(s.landingLength) * kPointsPerMillimetre;
    const float d = PointDistance(c.centre, pointer);
    Leader leader;
    leader.landsLeft = phi > kHalfPi || phi < -kHalfPi;
    const float landing = leader.landsLeft ? -landingLength : landingLength;
    if (d < c.radius && s.radiusLine) {
        const Point start = PointAt(c.centre, d, phi);
        leader.points[0] = {start.h + landing, start.v};
        leader.points[1] = start;
        leader.count = 2;
        return leader;
    }
    // The leader stops at the base of an arrowhead that lies along it.
    Point end = onCircle;
    if (d >= c.radius) {
        if (keys.control == s.radiusLine) end = PointAt(onCircle, ScaledArrowInset(), phi);
    } else if (keys.control) {
        end = PointAt(onCircle, ScaledArrowInset(), phi + kPi);
    }
    const Point bend = PointAt(onCircle, d - c.radius, phi);
    leader.points[0] = {bend.h + landing, bend.v};
    leader.points[1] = bend;
    leader.points[2] = end;
    return leader;
}

AIErr SetLeader(const Leader& leader) {
    AIArtHandle path = ArtSet().leader;
    PathSegment corners[kLeaderPoints];
    for (int i = 0; i < leader.count; ++i)
        corners[i] = {leader.points[i], leader.points[i], leader.points[i], true};
    HostSteps steps;
    steps << SetPathShape(path, corners, leader.count, false);
    steps << sAIPathStyle->SetPathStyle(path, &DimensionLineStyle());
    return steps.Last();
}

// From the centre (a radius) or from the arrowhead's base on the opposite side (a
// diameter) to the arrowhead's base at the leader's end of the circle, along φ.
AIErr PlaceRadiusLine(const CircleGeometry& c, const DragKeys& keys) {
    AIArtHandle& line = ArtSet().radiusLine;
    if (!Settings().radiusLine) {
        const AIErr result = DisposeArt(line);
        line = nullptr;
        return result;
    }
    HostSteps steps;
    steps << EnsureRadiusLine();
    const float inset = LineInset(keys.Arrows());
    const float start = Settings().diameter != keys.alt ? inset - c.radius : 0;
    steps << SetStraightLine(PointAt(c.centre, start, c.leaderAngle),
                             PointAt(c.centre, c.radius - inset, c.leaderAngle), line,
                             LineRole::DimensionLine);
    return steps.Last();
}

// The tolerance texts start where the label ends, one above the other.
AIErr PlaceCircleToleranceTexts() {
    const DimensionSlot& pieces = ArtSet().slots[0];
    HostSteps steps;
    steps << PlaceToleranceTexts(0, kHorizontalType, 0);
    AIRealRect label{};
    if (!IsValidArt(pieces.label) || sAIArt->GetArtBounds(pieces.label, &label) != kNoErr)
        return steps.Last();
    for (AIArtHandle tolerance : pieces.tolerance) {
        AIRealPoint anchor{};
        if (!IsValidArt(tolerance) ||
            sAITextFrame->GetTextFrameAnchor(tolerance, &anchor) != kNoErr)
            continue;
        steps << TransformPiece(tolerance, TranslationMatrix(label.right - anchor.h, 0));
    }
    return steps.Last();
}

// The label reads away from the circle at the landing's end: left-justified (and raised
// by "DecalageSegY") when the landing goes right, right-justified when it goes left.
AIErr PlaceCircleLabel(const CircleGeometry& c, const Leader& leader, const DragKeys& keys) {
    const SettingsRecord& s = Settings();
    LabelText content;
    ComposeCircleLabel(c.radius, keys.alt, LabelStyleOf(s), CircleSignOf(s), content);
    HostSteps steps;
    steps << CreateLabelText(
        0, content.c_str(),
        leader.landsLeft ? LabelJustification::Right : LabelJustification::Left);
    Point anchor = leader.points[0];
    if (!leader.landsLeft) anchor.v += static_cast<float>(s.textOffset);
    steps << PlaceLabel(ArtSet().slots[0].label, anchor, 0);
    steps << PlaceCircleToleranceTexts();
    return steps.Last();
}

}  // namespace

BuildResult StartCircleDimension(const MeasuredCircle& measured, CircleStartedFrom start) {
    CircleGeometry& c = BuildState().circle;
    c.centre = measured.circle.centre;
    c.radius = measured.circle.radius;
    c.measuredPath = measured.path;
    c.anchors[0] = measured.anchors[0];
    c.anchors[1] = measured.anchors[1];
    if (start != CircleStartedFrom::Link) c.leaderAngle = kQuarterPi;
    if (start == CircleStartedFrom::ArcClick && c.bendDistance == 0)
        c.bendDistance = kFirstBendDistance;
    return Reported(CreateCircleArtSet());
}

BuildResult DragCircleDimension(Point pointer, const DragKeys& keys) {
    CircleGeometry& c = BuildState().circle;
    float phi = DirectionAngle(c.centre, pointer);
    if (keys.shift) phi = std::ceil(phi / kQuarterPi) * kQuarterPi;
    c.leaderAngle = phi;
    // With Alt the bend keeps its distance; a leader without a radius line takes the
    // opposite side.
    if (keys.alt)
        pointer = PointAt(c.centre, c.bendDistance, Settings().radiusLine ? phi : phi + kPi);
    return Reported(BuildCircleDimension(pointer, keys));
}

BuildResult BuildCircleDimension(Point pointer, const DragKeys& keys) {
    CircleGeometry& c = BuildState().circle;
    DimensionArtSet& set = ArtSet();
    if (!c.underConstruction || !IsValidArt(set.leader))
        return Reported({kNoErr, BuildOutcome::NothingBuilt});
    HostSteps steps;
    if (keys.escape) {
        steps << PlaceLabel(set.slots[0].label, pointer, 0);
        steps << PlaceCircleToleranceTexts();
        return Reported({steps.Last(), BuildOutcome::Built});
    }
    RefreshStrokeWidths();
    steps << PlaceRadiusLine(c, keys);
    const Point onCircle = PointAt(c.centre, c.radius, c.leaderAngle);
    const Point opposite = PointAt(c.centre, c.radius, c.leaderAngle + kPi);
    steps << PlaceCircleArrowheads(onCircle, opposite, c.leaderAngle, keys);
    const Leader leader = LayOutLeader(c, pointer, onCircle, keys);
    steps << SetLeader(leader);
    c.bendDistance = PointDistance(c.centre, leader.points[1]);
    steps << PlaceCircleLabel(c, leader, keys);
    return Reported({steps.Last(), BuildOutcome::Built});
}

AIErr PlaceCircleArrowheads(Point onCircle, Point opposite, float leaderAngle,
                            const DragKeys& keys) {
    const SettingsRecord& s = Settings();
    if (s.arrowSize == 0) return kNoErr;
    DimensionArtSet& set = ArtSet();
    AIArtHandle(&arrows)[2] = set.slots[0].arrowhead;
    HostSteps steps;
    if (!IsValidArt(arrows[0]))
        steps << NewPathPiece(IsValidArt(set.radiusLine) ? set.radiusLine : set.leader, 0,
                              &arrows[0]);
    // Out of the circle at the end of the radius line, into it at the end of the leader.
    const bool pointsOut = s.radiusLine != keys.control;
    if (IsValidArt(arrows[0]))
        steps << ShapeArrowhead(arrows[0], onCircle, pointsOut ? leaderAngle + kPi : leaderAngle);
    const bool diameter = s.diameter != keys.alt;
    if (diameter && s.radiusLine) {
        if (!IsValidArt(arrows[1])) steps << NewPathPiece(arrows[0], 0, &arrows[1]);
        if (!IsValidArt(arrows[1])) return steps.Last();
        steps << ShapeArrowhead(arrows[1], opposite,
                                keys.control ? leaderAngle + kPi : leaderAngle);
        steps << sAIPathStyle->SetPathStyle(arrows[1], &Styles().fill);
        steps << sAIPath->SetPathClosed(arrows[1], true);
    } else if (!(keys.alt && !s.diameter && !s.radiusLine)) {
        steps << DisposeArt(arrows[1]);
        arrows[1] = nullptr;
    }
    return steps.Last();
}

}  // namespace quill
