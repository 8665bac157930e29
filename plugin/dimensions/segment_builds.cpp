#include "plugin/dimensions/segment_builds.h"

#include <cmath>
#include <optional>

#include "plugin/dimensions/arrowheads.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/extension_lines.h"
#include "plugin/dimensions/label_text.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/dimensions/texts.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_steps.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/label.h"
#include "plugin/text/units.h"

#include "sdk/errors.h"

namespace quill {

namespace {

constexpr float kCentimetre = 28.346457f;  // oblique offsets snap to whole centimetres
constexpr float kAxisStep = 10;            // horizontal and vertical levels snap to 10 pt

float RoundUpMagnitude(float value, float step) {
    const float magnitude = std::ceil(std::fabs(value) / step) * step;
    return value < 0 ? -magnitude : magnitude;
}

float RoundDownMagnitude(float value, float step) {
    const float magnitude = std::floor(std::fabs(value) / step) * step;
    return value < 0 ? -magnitude : magnitude;
}

// The label reads along the line and never upside down; kept horizontal on request.
float ObliqueTextRotation(Point first, Point second, float direction) {
    if (Settings().horizontalText) return 0;
    if (second.h == first.h) return kHalfPi;
    return second.h < first.h ? direction + kPi : direction;
}

// The signed offset of the dimension line for a pointer: the distance from the pointer
// to the measured line, positive on the left of the direction.
float OffsetForPointer(Point first, Point second, Point pointer) {
    const Point foot = ProjectOnLine(pointer, first, second);
    const float distance = ChordLength(foot, pointer);
    return Cross(first, second, foot, pointer) >= 0 ? distance : -distance;
}

BuildResult AbandonEqualPoints() {
    ShowAlert(texts::kDistinctPoints.c_str());
    const AIErr result = DisposeArt(ArtSet().group);
    ArtSet() = DimensionArtSet{};
    return Reported({result, BuildOutcome::Abandoned});
}

AIErr PlaceAxisExtensionLines(const AxisDimension& d, float level) {
    AIErr result = kNoErr;
    if (!EnsureExtensionLines(d.slot, &result)) return result;
    const SettingsRecord& s = Settings();
    const auto gap = static_cast<float>(s.extensionGap);
    const auto overshoot = ExtensionOvershoot();
    const Point ends[2] = {d.first, d.second};
    for (int i = 0; i < 2; ++i) {
        const float from = d.vertical ? ends[i].h : ends[i].v;
        const float towards = level >= from ? 1.0f : -1.0f;
        const float start = from + towards * gap, stop = level + towards * overshoot;
        const Point a = d.vertical ? Point{start, ends[i].v} : Point{ends[i].h, start};
        const Point b = d.vertical ? Point{stop, ends[i].v} : Point{ends[i].h, stop};
        result =
            SetStraightLine(a, b, ArtSet().slots[d.slot].extension[i], LineRole::ExtensionLine);
    }
    return result;
}

}  // namespace

void ComposeLengthText(double points, LabelText& label) {
    ComposeLengthLabel(points, LabelStyleOf(Settings()), label);
}

BuildResult BuildObliqueDimension(const DragKeys& keys, Point pointer, BuildPhase phase) {
    DimensionBuildState& state = BuildState();
    if (SamePoint(state.first, state.second)) return Reported(AbandonEqualPoints());
    const SettingsRecord& s = Settings();
    BuildResult result;
    const float theta = state.direction;
    float offset = static_cast<float>(s.lineOffset);
    float offsetAngle = theta + kHalfPi;
    float extensionAngle = theta;
    if (phase == BuildPhase::WhileDragging && !keys.escape) {
        if (keys.alt) {
            offsetAngle = DirectionAngle(state.second, pointer);
            offset = ChordLength(state.second, pointer);
            extensionAngle = offsetAngle - kHalfPi;
        } else {
            offset = OffsetForPointer(state.first, state.second, pointer);
        }
        if (keys.shift) offset = RoundUpMagnitude(offset, kCentimetre);
        result.lineOffset = offset;
    }
    HostSteps steps;
    steps << PlaceExtensionLines(extensionAngle, offset);
    const Point e1 = PointAt(state.first, offset, offsetAngle);
    const Point e2 = PointAt(state.second, offset, offsetAngle);
    steps << PlaceArrowheads(e1, e2, theta, keys.Arrows(), 0);
    const float length = ChordLength(state.first, state.second);
    LabelText label;
    ComposeLengthText(length, label);
    steps << CreateLabelText(0, label.c_str());
    state.lineStart = e1;
    state.lineEnd = e2;
    state.textRotation = ObliqueTextRotation(state.first, state.second, theta);
    LineLayout layout{
        e1, e2, theta, length, LineInset(keys.Arrows()), theta + kHalfPi, state.textRotation};
    steps << LayOutDimensionLine(0, layout, keys, pointer);
    steps << PlaceToleranceTexts(0, kObliqueType, theta);
    result.code = steps.Last();
    return Reported(result);
}

BuildResult BuildAxisDimension(const AxisDimension& dimension, const DragKeys& keys,
                               Point pointer) {
    AxisDimension d = dimension;
    const float axisOf = d.vertical ? d.second.v - d.first.v : d.second.h - d.first.h;
    if (axisOf < 0) std::swap(d.first, d.second);  // always measured left to right, upwards
    const float from = d.vertical ? d.first.h : d.first.v;
    // Escape moves the label alone: the line stays where it was last placed.
    std::optional<Point>& placed = BuildState().linePlace[d.slot];
    if (keys.escape && placed)
        d.level = d.vertical ? placed->h : placed->v;
    else
        placed = d.vertical ? Point{d.level, pointer.v} : Point{pointer.h, d.level};
    if (keys.shift) d.level = from + RoundDownMagnitude(d.level - from, kAxisStep);
    BuildResult result;
    result.lineOffset = d.level - from;

    HostSteps steps;
    steps << PlaceAxisExtensionLines(d, d.level);
    const Point e1 = d.vertical ? Point{d.level, d.first.v} : Point{d.first.h, d.level};
    const Point e2 = d.vertical ? Point{d.level, d.second.v} : Point{d.second.h, d.level};
    const float direction = d.vertical ? kHalfPi : 0;
    steps << PlaceArrowheads(e1, e2, direction, keys.Arrows(), d.slot);
    const float length = d.vertical ? d.second.v - d.first.v : d.second.h - d.first.h;
    LabelText label;
    ComposeLengthText(length, label);
    steps << CreateLabelText(d.slot, label.c_str());
    if (d.slot == 0) {
        BuildState().lineStart = e1;
        BuildState().lineEnd = e2;
        BuildState().textRotation = d.textRotation;
    }
    LineLayout layout{
        e1, e2, direction, length, LineInset(keys.Arrows()), d.textOffsetDirection, d.textRotation};
    steps << LayOutDimensionLine(d.slot, layout, keys, pointer);
    steps << PlaceToleranceTexts(d.slot, d.vertical ? kVerticalType : kHorizontalType, direction);
    result.code = steps.Last();
    return Reported(result);
}

}  // namespace quill
