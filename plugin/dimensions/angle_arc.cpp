#include "plugin/dimensions/angle_arc.h"

#include <cmath>

#include "plugin/geometry/vectors.h"

#include "plugin/dimensions/arrowheads.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/affine.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr int kMostSections = 4;

// The signed turn from the start direction to the end: clockwise by the sweep, or the
// other way round by the rest of the circle.
float TotalTurn(float sweep, ArcWay way) {
    if (way == ArcWay::BySweep) return -sweep;
    const float rest = static_cast<float>(kTwoPi) - std::fabs(sweep);
    return sweep >= 0 ? rest : -rest;
}

}  // namespace

void AngleArcSegments(Point centre, float radius, float sweep, float start, int sections,
                      ArcWay way, PathSegment* anchors) {
    if (sections < 1) sections = 1;
    if (sections > kMostSections) sections = kMostSections;
    const float turn = TotalTurn(sweep, way);
    const float quarter = turn >= 0 ? kHalfPi : -kHalfPi;
    float angles[kMostSections + 1];
    for (int i = 0; i < sections; ++i) {
        // A turn shorter than its quarters (an arc the other way round by less than a
        // half turn) keeps its anchors, the quarters stopping at the end.
        angles[i] = static_cast<float>(i) * quarter;
        if (std::fabs(angles[i]) > std::fabs(turn)) angles[i] = turn;
    }
    angles[sections] = turn;

    const Matrix place = Then(RotationMatrix(start), TranslationMatrix(centre.h, centre.v));
    for (int i = 0; i <= sections; ++i) {
        const Point p = PolarVector(radius, angles[i]);
        anchors[i] = {p, p, p, true};
    }
    for (int i = 0; i < sections; ++i) {
        const float span = angles[i + 1] - angles[i];
        // Exact for a quarter; linear in the angle for the part that is left.
        const auto handle = static_cast<float>(kCircleHandle * radius * std::fabs(span) / kHalfPi);
        const float towards = span >= 0 ? 1.0f : -1.0f;
        const float a = angles[i], b = angles[i + 1];
        const Point out{-std::sin(a) * handle * towards, std::cos(a) * handle * towards};
        const Point in{std::sin(b) * handle * towards, -std::cos(b) * handle * towards};
        anchors[i].out = {anchors[i].p.h + out.h, anchors[i].p.v + out.v};
        anchors[i + 1].in = {anchors[i + 1].p.h + in.h, anchors[i + 1].p.v + in.v};
    }
    for (int i = 0; i <= sections; ++i) {
        anchors[i].p = Apply(place, anchors[i].p);
        anchors[i].in = Apply(place, anchors[i].in);
        anchors[i].out = Apply(place, anchors[i].out);
    }
}

AIErr DrawAngleArc(Point centre, float radius, float sweep, float start, int sections, ArcWay way,
                   AIArtHandle path) {
    if (!IsValidArt(path)) return kNoErr;
    PathSegment anchors[kMostSections + 1];
    AngleArcSegments(centre, radius, sweep, start, sections, way, anchors);
    const int count = (sections < 1 ? 1 : sections > kMostSections ? kMostSections : sections) + 1;
    AIErr result = SetPathShape(path, anchors, static_cast<std::int16_t>(count), false);
    AIErr styled = sAIPathStyle->SetPathStyle(path, &DimensionLineStyle());
    return styled != kNoErr ? styled : result;
}

AIErr PlaceAngleArrowheads(AIArtHandle arc, float radius, Point end1, float direction1, Point end2,
                           float direction2, float opening, ArrowDirection direction) {
    DimensionSlot& pieces = ArtSet().slots[0];
    AIErr result = kNoErr;
    if (!EnsureArrowheads(0, arc, &result)) return result;
    const float tilt = std::atan(static_cast<float>(0.025 * Settings().arrowSize) / radius);
    const float turn = direction == ArrowDirection::Outward ? kPi - 2 * tilt : 0;
    const float sense = opening <= 0 ? 1.0f : -1.0f;
    const float first = direction1 + sense * (kHalfPi + tilt) + sense * turn;
    const float second = direction2 - sense * (kHalfPi + tilt) - sense * turn;
    result = ShapeArrowhead(pieces.arrowhead[0], end1, first);
    result = ShapeArrowhead(pieces.arrowhead[1], end2, second);
    return result;
}

}  // namespace quill
