// What the Bézier tool shows on hover: what lies under the pointer, the cursor (left
// alone over what it cannot use), the length line over an end of a path and the marks.
#include <string>
#include <vector>

#include "plugin/dimensions/curve_marks.h"
#include "plugin/services/host_geometry.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/number_writers.h"
#include "plugin/tools/bezier_tool.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hit_classification.h"
#include "plugin/tools/hit_testing.h"
#include "plugin/tools/hover_texts.h"

namespace quill {

namespace {

// The anchors of dimension pieces are seen (a centre mark's, say), no crossing is looked
// for, and a straight segment is taken at the host's hit point.
void ClassifyForBezierTool(HoverState& hover, Point pointer) {
    HitLook look;
    look.dimensionAnchors = true;
    look.crossings = false;
    look.shapeAtHitPoint = true;
    ClassifyByHitTests(hover, pointer, look);
}

bool OnPathEnd(HoverKind kind) {
    return kind == HoverKind::AnchorHit || kind == HoverKind::StraightSegmentHit ||
           kind == HoverKind::CurveHit;
}

}  // namespace

AIErr BezierTool::Classify(Point pointer) {
    return RunClassification(ClassifyForBezierTool, pointer);
}

std::int32_t BezierTool::Cursor(HoverKind kind, bool) const {
    switch (kind) {
        case HoverKind::AnchorHit:
            return cursors::kAnchor;
        case HoverKind::StraightSegmentHit:
            return cursors::kStraightSegment;
        case HoverKind::CurveHit:
            return cursors::kCurve;
        case HoverKind::ArcHit:
            return cursors::kArc;
        default:
            return 0;
    }
}

// "Longueur sur courbe = 30 mm" over an end of the hovered path, where a click would
// mark the point at that length.
std::vector<std::string> BezierTool::FeedbackLines(const HoverState& hover) const {
    if (!OnPathEnd(hover.kind) || !hover.path) return {};
    ClickedCurve at;
    at.anchor = hover.kind == HoverKind::AnchorHit ? hover.anchor : -1;
    at.segmentStart = hover.segmentStart;
    at.segmentEnd = hover.segmentEnd;
    if (MeasuredEnd(at, HostPath(hover.path).AnchorCount()) == 0) return {};
    const SettingsRecord& s = Settings();
    NumberText length{};
    WriteDecimal(static_cast<float>(s.lengthOnCurve), static_cast<std::int8_t>(s.precision),
                 MainSeparators(s), length);
    return {std::string(texts::kLengthOnCurve.c_str()) + length + texts::kMillimetres.c_str()};
}

void BezierTool::FeedbackMarks(const HoverState& hover, HoverMarks& marks) const {
    if (hover.kind == HoverKind::AnchorHit) {
        marks.Ring(hover.hoverPoint, RingKind::Anchor);
        return;
    }
    if (IsPathKind(hover.kind)) marks.Ring(hover.hoverPoint, RingKind::OnCurve);
}

}  // namespace quill
