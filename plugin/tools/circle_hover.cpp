// What the Circle tool shows on hover: what lies under the pointer, the cursor, the lines
// beside the pointer and the marks.
#include <string>
#include <vector>

#include "plugin/services/host_geometry.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/area_text.h"
#include "plugin/text/label.h"
#include "plugin/tools/circle_tool.h"
#include "plugin/tools/hit_classification.h"
#include "plugin/tools/hit_testing.h"
#include "plugin/tools/hover_lines.h"
#include "plugin/tools/hover_texts.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

// An anchor is an end of an arc, never an angle's vertex.
void ClassifyForCircleTool(HoverState& hover, Point pointer) {
    HitLook look;
    look.vertices = false;
    ClassifyByHitTests(hover, pointer, look);
}

// "Rayon=" or "Diamètre=" with the circle's measure, the other one while Alt is held
// during a drag; then the area of a closed path.
void AddCircleMeasures(FeedbackLineList& lines, const HoverState& hover) {
    const SettingsRecord& s = Settings();
    const bool altDrag = Tools().dragActive && Tools().dragAlt;
    const bool diameter = s.diameter != altDrag;
    if (!WritesNoMeasure(s.unit)) {
        LabelStyle style = LabelStyleOf(s);
        style.doubleMeasure = false;
        LabelText measure;
        ComposeCircleLabel(hover.radius, altDrag, style, CircleSignOf(s), measure);
        lines.push_back(Joined(diameter ? texts::kDiameterIs.c_str() : texts::kRadiusIs.c_str(),
                               measure.c_str()));
    }
    const double r = hover.radius;
    LabelText area;
    if (FormatArea(HostPath(hover.path), 3.14159265358979323846 * r * r, true, MainMeasureFormat(s),
                   area))
        lines.push_back(Joined(texts::kAreaLine.c_str(), area.c_str()));
}

}  // namespace

AIErr CircleTool::Classify(Point pointer) {
    return RunClassification(ClassifyForCircleTool, pointer);
}

std::int32_t CircleTool::Cursor(HoverKind kind, bool) const {
    return MeasuringCursor(kind);
}

std::vector<std::string> CircleTool::FeedbackLines(const HoverState& hover) const {
    FeedbackLineList lines;
    AddScaleLine(lines);
    const bool finalPoint = Tools().clickCount > 0;
    switch (hover.kind) {
        case HoverKind::AnchorHit:
            lines.push_back(finalPoint ? texts::kArcEnd.c_str() : texts::kArcStart.c_str());
            break;
        case HoverKind::ArcHit:
            AddCircleMeasures(lines, hover);
            break;
        case HoverKind::StraightSegmentHit:
            lines.push_back(texts::kSegment.c_str());
            break;
        case HoverKind::CurveHit:
            AddCurveLines(lines, hover);
            break;
        default:
            break;
    }
    return lines;
}

void CircleTool::FeedbackMarks(const HoverState& hover, HoverMarks& marks) const {
    if (hover.kind == HoverKind::AnchorHit) marks.Ring(hover.hoverPoint, RingKind::Anchor);
    if (hover.kind == HoverKind::ArcHit) MarkWholePath(marks, hover.path, kHighlightWidth);
}

}  // namespace quill
