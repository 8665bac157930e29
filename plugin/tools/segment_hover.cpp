// What the Segment tool shows on hover: what lies under the pointer, the cursor, the
// lines beside the pointer and the marks.
#include <cmath>
#include <string>
#include <vector>

#include "plugin/dimensions/build_state.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/tags.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/area_text.h"
#include "plugin/text/label.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hit_testing.h"
#include "plugin/tools/hover_lines.h"
#include "plugin/tools/hover_texts.h"
#include "plugin/tools/lengths_measures.h"
#include "plugin/tools/segment_tool.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

// Anchor, snapped point, crossing, straight segment, arc, curve, or a line or arc of an
// existing dimension.
void ClassifyForSegmentTool(HoverState& hover, Point pointer) {
    // A point that a dimension already measures lies under that dimension's extension
    // line: the line is looked through. Dimension art alone classifies as nothing.
    bool dimensionHit = false;
    const AIToolHitData point = PointThroughDimensions(pointer, &dimensionHit);
    if (point.hit) {
        hover.path = point.art;
        hover.hoverPoint = FromHost(point.point);
        hover.anchor = point.segment;
        hover.kind =
            point.type == kAnchorPointType ? HoverKind::AnchorHit : HoverKind::SnappedPointHit;
        return;
    }
    if (dimensionHit) return;
    const AIToolHitData hit = HitAt(pointer, kHoverTolerance, kSegmentHitRequest);
    if (!hit.hit || hit.type != kSegmentType) return;
    const bool dimensionLine = IsDimensionLine(hit.art);
    if (!dimensionLine && HasTag(hit.art, tags::kPiece)) return;
    RecordSegmentHit(hover, hit);
    if (OtherPathUnder(hit.art, pointer)) {
        // Where a dimension line crosses a path there is nothing to click.
        if (dimensionLine) {
            hover = HoverState{};
            hover.pointer = pointer;
            return;
        }
        hover.kind = HoverKind::CrossingHit;
        hover.hoverPoint = CrossingPoint(pointer);
        return;
    }
    ClassifySegmentShape(hover, hit, pointer, dimensionLine);
}

// Over a straight segment: its length, and the area of the polygon it belongs to.
void AddPolygonArea(FeedbackLineList& lines, const HoverState& hover) {
    const SettingsRecord& s = Settings();
    LabelText area;
    const bool hasArea = PolygonAreaText(HostPath(hover.path), MainMeasureFormat(s), area);
    const float length = ChordLength(hover.segmentPoints[0], hover.segmentPoints[1]);
    if (!hasArea || !WritesNoMeasure(s.unit))
        lines.push_back(Joined(texts::kSegmentLength.c_str(), LengthReadout(length)));
    if (!hasArea) return;
    // The area's text carries its unit, square micrometres included.
    lines.push_back(Joined(texts::kAreaLine.c_str(), area.c_str()));
}

// Which point a click would fix; for the second, the distance from the first.
void AddPointLines(FeedbackLineList& lines, const HoverState& hover, const char* first,
                   const char* second) {
    const bool secondPoint = Tools().clickCount > 0;
    lines.push_back(secondPoint ? second : first);
    if (secondPoint)
        lines.push_back(Joined(texts::kSegmentLength.c_str(),
                               LengthReadout(ChordLength(BuildState().first, hover.hoverPoint))));
}

// The length a member to `to` would measure along its set's line.
float MemberLength(SetLineKind kind, Point from, Point to) {
    if (kind == SetLineKind::Horizontal) return std::fabs(to.h - from.h);
    if (kind == SetLineKind::Vertical) return std::fabs(to.v - from.v);
    return ChordLength(from, to);
}

// An ordinate's coordinate from the zero, signed.
std::string CoordinateReadout(SetLineKind kind, Point zero, Point to) {
    const bool alongX = kind == SetLineKind::OrdinateX;
    const float coordinate = alongX ? to.h - zero.h : to.v - zero.v;
    const std::string magnitude = LengthReadout(std::fabs(coordinate));
    return Joined(alongX ? texts::kCoordinateX.c_str() : texts::kCoordinateY.c_str(),
                  (coordinate < 0 ? "-" : "") + magnitude);
}

}  // namespace

bool SegmentTool::AddSetLines(std::vector<std::string>& lines, const HoverState& hover) const {
    const bool overPoint = IsPointKind(hover.kind);
    if (!set_.UnderWay()) {
        const bool zeroNext = Settings().setMode == kOrdinateMode &&
                              Settings().dimensionType != kBothWaysType &&
                              Tools().clickCount == 0 && overPoint;
        if (zeroNext) lines.push_back(texts::kOrdinateZero.c_str());
        return zeroNext;
    }
    if (hover.kind == HoverKind::None) {
        lines.push_back(texts::kSetEnds.c_str());
        return true;
    }
    if (!overPoint) return false;
    if (set_.Mode() == kOrdinateMode) {
        lines.push_back(texts::kOrdinateNext.c_str());
        lines.push_back(CoordinateReadout(set_.Kind(), set_.From(), hover.hoverPoint));
        return true;
    }
    lines.push_back(set_.Mode() == kChainMode ? texts::kChainNext.c_str()
                                              : texts::kBaselineNext.c_str());
    lines.push_back(
        Joined(texts::kSegmentLength.c_str(),
               LengthReadout(MemberLength(set_.Kind(), set_.From(), hover.hoverPoint))));
    return true;
}

AIErr SegmentTool::Classify(Point pointer) {
    return RunClassification(ClassifyForSegmentTool, pointer);
}

// A straight segment's cursor stays while the click on one is under way.
std::int32_t SegmentTool::Cursor(HoverKind kind, bool) const {
    if (kind == HoverKind::AnchorHit) return cursors::kAnchor;
    if (kind == HoverKind::StraightSegmentHit || Tools().straightSegmentClick)
        return cursors::kStraightSegment;
    if (kind == HoverKind::SnappedPointHit) return cursors::kSnappedPoint;
    return CursorFromCurveOn(kind);
}

std::vector<std::string> SegmentTool::FeedbackLines(const HoverState& hover) const {
    FeedbackLineList lines;
    AddScaleLine(lines);
    if (AddSetLines(lines, hover)) return lines;
    switch (hover.kind) {
        case HoverKind::AnchorHit:
            AddPointLines(lines, hover, texts::kAnchor1.c_str(), texts::kAnchor2.c_str());
            break;
        case HoverKind::SnappedPointHit:
            AddPointLines(lines, hover, texts::kObjectCentre1.c_str(),
                          texts::kObjectCentre2.c_str());
            break;
        case HoverKind::StraightSegmentHit:
            AddPolygonArea(lines, hover);
            break;
        case HoverKind::ArcHit:
            lines.push_back(texts::kArcOfCircle.c_str());
            break;
        case HoverKind::CurveHit:
            lines.push_back(Joined(texts::kCurveLength.c_str(), LengthReadout(hover.pathLength)));
            break;
        default:
            break;
    }
    return lines;
}

void SegmentTool::FeedbackMarks(const HoverState& hover, HoverMarks& marks) const {
    // While a curve is being dimensioned, the point it was clicked at.
    if (Tools().dragActive && gesture_.measure == SegmentMeasure::Curve) {
        marks.Ring(BuildState().curvePoint, RingKind::OnCurve);
        return;
    }
    switch (hover.kind) {
        case HoverKind::CrossingHit:
        case HoverKind::AnchorHit:
        case HoverKind::SnappedPointHit:
            marks.Ring(hover.hoverPoint, RingKind::Anchor);
            break;
        case HoverKind::StraightSegmentHit:
            MarkHoveredSegment(marks, hover);
            break;
        case HoverKind::ArcHit:
        case HoverKind::CurveHit:
            MarkCurve(marks, hover);
            break;
        default:
            break;
    }
}

}  // namespace quill
