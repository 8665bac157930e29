#include "plugin/dimensions/arc_dimension.h"

#include <algorithm>
#include <cmath>

#include "plugin/dimensions/angle_arc.h"
#include "plugin/dimensions/arrowheads.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/extension_lines.h"
#include "plugin/dimensions/label_text.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/dimensions/segment_art_set.h"
#include "plugin/dimensions/segment_builds.h"
#include "plugin/geometry/arrow_shapes.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr float kOffsetStep = 10;

// The signed angle from A1 to A2 about the centre: at most π, negative clockwise.
float SignedSweep(Point centre, Point a1, Point a2) {
    const float d1 = PointDistance(centre, a1), d2 = PointDistance(centre, a2);
    const Point u{(a1.h - centre.h) / d1, (a1.v - centre.v) / d1};
    const Point w{(a2.h - centre.h) / d2, (a2.v - centre.v) / d2};
    const float sweep = std::acos(std::clamp(u.h * w.h + u.v * w.v, -1.0f, 1.0f));
    return u.h * w.v - u.v * w.h < 0 ? -sweep : sweep;
}

AIErr PlaceRadialExtensionLines(const DimensionBuildState& state, float offset) {
    AIErr result = kNoErr;
    if (!EnsureExtensionLines(0, &result)) return result;
    const SettingsRecord& s = Settings();
    const float side = offset >= 0 ? 1.0f : -1.0f;
    const auto gap = static_cast<float>(s.extensionGap);
    const float reach = std::fabs(offset) + ExtensionOvershoot();
    const Point ends[2] = {state.first, state.second};
    for (int i = 0; i < 2; ++i) {
        const float radial = DirectionAngle(state.arcCentre, ends[i]);
        result = SetStraightLine(PointAt(ends[i], side * gap, radial),
                                 PointAt(ends[i], side * reach, radial),
                                 ArtSet().slots[0].extension[i], LineRole::ExtensionLine);
    }
    return result;
}

// Where the label goes on the dimension arc: towards the middle of the measured arc.
float LabelDirection(const DimensionBuildState& state, Point pointer) {
    const Point chordMiddle{(state.first.h + state.second.h) / 2,
                            (state.first.v + state.second.v) / 2};
    const Point& o = state.arcCentre;
    if (PointDistance(o, chordMiddle) > 1e-3f * state.arcRadius) {
        const float toChord = DirectionAngle(o, chordMiddle);
        // A segment bulging away from its chord's middle sweeps the other half.
        AIRealBezier bezier{};
        if (sAIPath->GetPathBezier(state.measuredPath, state.measuredSegment, &bezier) == kNoErr) {
            const float mx =
                0.125f * (bezier.p0.h + 3 * bezier.p1.h + 3 * bezier.p2.h + bezier.p3.h);
            const float my =
                0.125f * (bezier.p0.v + 3 * bezier.p1.v + 3 * bezier.p2.v + bezier.p3.v);
            if ((mx - o.h) * std::cos(toChord) + (my - o.v) * std::sin(toChord) < 0)
                return toChord + kPi;
        }
        return toChord;
    }
    // A half circle: the perpendicular to the chord on the pointer's side.
    const float across = DirectionAngle(state.first, state.second) + kHalfPi;
    const Point a = PointAt(o, 1, across);
    const Point b = PointAt(o, -1, across);
    return PointDistance(a, pointer) <= PointDistance(b, pointer) ? across : across + kPi;
}

}  // namespace

BuildResult StartArcDimension(const ArcClick& click) {
    DimensionBuildState& state = BuildState();
    state.arcCentre = click.centre;
    state.arcRadius = click.radius;
    state.first = click.start;
    state.second = click.end;
    state.arcSweep = SignedSweep(state.arcCentre, state.first, state.second);
    const BuildResult made = CreateArcArtSet();
    if (made.outcome == BuildOutcome::NothingBuilt) return Reported(made);
    return Reported(BuildArcDimension(DragKeys{}, click.pointer, BuildPhase::AtClick));
}

BuildResult BuildArcDimension(const DragKeys& keys, Point pointer, BuildPhase phase) {
    const bool dragging = phase == BuildPhase::WhileDragging;
    DimensionBuildState& state = BuildState();
    const SettingsRecord& s = Settings();
    DimensionSlot& pieces = ArtSet().slots[0];
    if (dragging && keys.escape) return Reported({PlaceLabel(pieces.label, pointer, 0)});
    BuildResult result;
    if (dragging) {
        float dragged = PointDistance(state.arcCentre, pointer) - state.arcRadius;
        if (keys.shift) dragged = std::ceil(dragged / kOffsetStep) * kOffsetStep;
        result.lineOffset = dragged;
    }
    RefreshStrokeWidths();
    const auto offset = static_cast<float>(result.lineOffset.value_or(s.lineOffset));
    const float radius = state.arcRadius + offset;
    HostSteps steps;
    steps << PlaceRadialExtensionLines(state, offset);

    const float start = DirectionAngle(state.arcCentre, state.first);
    const float end = start + state.arcSweep;
    const float inset = LineInset(keys.Arrows());
    const float shortening = radius > 0 ? 2 * std::atan(inset / (2 * radius)) : 0;
    const float sense = state.arcSweep >= 0 ? 1.0f : -1.0f;
    const float drawnSweep = state.arcSweep - 2 * sense * shortening;
    const int sections = std::fabs(drawnSweep) > kHalfPi ? 2 : 1;
    steps << DrawAngleArc(state.arcCentre, radius, -drawnSweep, start + sense * shortening,
                          sections, ArcWay::BySweep, ArtSet().dimensionArc);
    steps << PlaceAngleArrowheads(
        ArtSet().dimensionArc, radius, PointAt(state.arcCentre, radius, start), start,
        PointAt(state.arcCentre, radius, end), end, -state.arcSweep, keys.Arrows());

    LabelText label;
    ComposeLengthText(static_cast<double>(state.arcRadius) * std::fabs(state.arcSweep), label);
    steps << CreateLabelText(0, label.c_str());
    const Point onArc = PointAt(state.arcCentre, radius, LabelDirection(state, pointer));
    steps << PlaceLabel(pieces.label, {onArc.h, onArc.v + static_cast<float>(s.textOffset)}, 0);
    state.textRotation = 0;
    steps << PlaceToleranceTexts(0, kHorizontalType, 0);
    result.code = steps.Last();
    return Reported(result);
}

}  // namespace quill
