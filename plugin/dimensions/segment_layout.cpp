#include "plugin/dimensions/segment_layout.h"

#include <algorithm>
#include <cmath>

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/label_text.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr float kLabelMargin = 4;   // room on each side of the label, in all
constexpr float kSlideMinimum = 5;  // a sliding label stays this far from the ends
constexpr float kEscapeMargin = 2;  // around a label moved by hand

// The lengths of the two halves around a gap g on a line of length L.
void Halves(float lineLength, float gap, const DragKeys& keys, Point s1, float direction,
            Point pointer, float* first, float* second) {
    *first = *second = (lineLength - gap) / 2;
    if (!keys.space) return;
    const float foot =
        (pointer.h - s1.h) * std::cos(direction) + (pointer.v - s1.v) * std::sin(direction);
    if (foot < 0 || foot > lineLength) return;  // off the line: the label stays centred
    *first = std::clamp(foot - gap / 2, kSlideMinimum, lineLength - gap - kSlideMinimum);
    *second = lineLength - gap - *first;
}

// Whether a label at `centre`, rotated by `rotation`, with its box enlarged by the
// margin, lies across the line between its ends; the gap it leaves, along the line.
bool LabelAcrossLine(Point s1, float direction, float lineLength, Point centre, float rotation,
                     float width, float height, float* gapStart, float* gapEnd) {
    const float turn = rotation - direction;
    const float along = std::fabs(std::cos(turn)) * width / 2 +
                        std::fabs(std::sin(turn)) * height / 2 + kEscapeMargin;
    const float across = std::fabs(std::sin(turn)) * width / 2 +
                         std::fabs(std::cos(turn)) * height / 2 + kEscapeMargin;
    const float dx = centre.h - s1.h, dy = centre.v - s1.v;
    const float t = dx * std::cos(direction) + dy * std::sin(direction);
    const float n = -dx * std::sin(direction) + dy * std::cos(direction);
    *gapStart = t - along;
    *gapEnd = t + along;
    return std::fabs(n) <= across && *gapStart > 0 && *gapEnd < lineLength;
}

AIErr WholeLine(DimensionSlot& pieces, Point s1, Point s2) {
    AIErr result = SetStraightLine(s1, s2, pieces.lineA, LineRole::DimensionLine);
    AIErr disposed = DisposeArt(pieces.lineB);
    pieces.lineB = nullptr;
    return disposed != kNoErr ? disposed : result;
}

// Line B made again after the line was whole: just above line A, with line A's marker
// and links so that a click on either half still finds the dimension.
AIErr EnsureLineB(DimensionSlot& pieces) {
    if (IsValidArt(pieces.lineB)) return kNoErr;
    if (!IsValidArt(pieces.lineA)) return NewPathPiece(pieces.extension[1], 2, &pieces.lineB);
    AIErr result = sAIArt->NewArt(kPathArt, kPlaceAbove, pieces.lineA, &pieces.lineB);
    if (result != kNoErr) return result;
    return CopyTags(pieces.lineA, pieces.lineB, tags::kMainLine);
}

}  // namespace

float LabelGap(float width, float height, float direction) {
    if (!Settings().horizontalText) return width + kLabelMargin;
    float alpha = std::fabs(direction);
    if (alpha == kHalfPi) return height + kLabelMargin;
    if (alpha > kHalfPi) alpha -= kHalfPi;
    const float delta = std::atan(width / height);
    return (alpha <= delta ? std::cos(alpha) : std::sin(alpha)) * width + kLabelMargin;
}

AIErr LayOutDimensionLine(int slot, const LineLayout& layout, const DragKeys& keys, Point pointer) {
    DimensionSlot& pieces = ArtSet().slots[slot];
    const float theta = layout.direction;
    const Point s1 = PointAt(layout.start, layout.inset, theta);
    const Point s2 = PointAt(layout.end, -layout.inset, theta);
    float width = 0, height = 0;
    if (!IsValidArt(pieces.label)) return WholeLine(pieces, s1, s2);
    if (const AIErr unmeasured = MeasureLabel(pieces.label, &width, &height)) {
        // A label that cannot be measured would sit across the line: the dimension is
        // unfinished.
        ArtSet().unfinished = unmeasured;
        return WholeLine(pieces, s1, s2);
    }

    const float lineLength = layout.length - 2 * layout.inset;
    if (keys.escape) {
        PlaceLabel(pieces.label, pointer, layout.textRotation);
        float gapStart = 0, gapEnd = 0;
        if (!LabelAcrossLine(s1, theta, lineLength, pointer, layout.textRotation, width, height,
                             &gapStart, &gapEnd))
            return WholeLine(pieces, s1, s2);
        SetStraightLine(s1, PointAt(s1, gapStart, theta), pieces.lineA, LineRole::DimensionLine);
        EnsureLineB(pieces);
        return SetStraightLine(s2, PointAt(s1, gapEnd, theta), pieces.lineB,
                               LineRole::DimensionLine);
    }

    const float gap = LabelGap(width, height, theta);
    float firstHalf = 0, secondHalf = 0;
    Halves(lineLength, gap, keys, s1, theta, pointer, &firstHalf, &secondHalf);
    const Point innerA = PointAt(s1, firstHalf, theta);
    const Point innerB = PointAt(s2, -secondHalf, theta);
    const Point gapMiddle{(innerA.h + innerB.h) / 2, (innerA.v + innerB.v) / 2};
    const float lift = static_cast<float>(Settings().textOffset);
    const Point centre = PointAt(gapMiddle, lift, layout.textOffsetDirection);

    PlaceLabel(pieces.label, centre, layout.textRotation);
    if (std::fabs(lift) > height / 2) return WholeLine(pieces, s1, s2);
    SetStraightLine(s1, innerA, pieces.lineA, LineRole::DimensionLine);
    EnsureLineB(pieces);
    return SetStraightLine(s2, innerB, pieces.lineB, LineRole::DimensionLine);
}

}  // namespace quill
