#include "plugin/feedback/feedback_texts.h"

#include <cmath>

#include "plugin/dimensions/angle_dimension.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/curve_marks.h"
#include "plugin/feedback/texts.h"
#include "plugin/geometry/angles.h"
#include "plugin/geometry/path_lengths.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_geometry.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/area_text.h"
#include "plugin/text/label.h"
#include "plugin/text/number_writers.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/lengths_tool.h"
#include "plugin/tools/segment_tool.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

using Lines = std::vector<std::string>;

// Units that write no measure: no length line is shown for them.
bool WritesNoMeasure(std::int32_t unit) {
    return unit >= kNoUnit;
}

std::string Joined(const char* prefix, const std::string& value) {
    return std::string(prefix) + value;
}

// "Échelle=1 /100" whenever the drawing is not at real size. The two numbers are written
// with every decimal they have (the writer drops trailing zeros).
void AddScaleLine(Lines& lines) {
    const SettingsRecord& s = Settings();
    if (s.scaleNumerator / s.scaleDenominator == 1) return;
    const NumberSeparators separators = MainSeparators(s);
    NumberText numerator{}, denominator{};
    WriteDecimal(static_cast<float>(s.scaleNumerator), kMaxPrecision, separators, numerator);
    WriteDecimal(static_cast<float>(s.scaleDenominator), kMaxPrecision, separators, denominator);
    lines.push_back(std::string(texts::kScaleLine.c_str()) + numerator + texts::kScaleBar.c_str() +
                    denominator);
}

// "Courbe." and the hovered curve's whole length, measured when the pointer came over it.
void AddCurveLines(Lines& lines, const HoverState& hover) {
    lines.push_back(texts::kCurve.c_str());
    lines.push_back(LengthReadout(hover.pathLength));
}

void AddPolygonArea(Lines& lines, const HoverState& hover) {
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

Lines SegmentLines(const HoverState& hover) {
    Lines lines;
    AddScaleLine(lines);
    const bool secondPoint = Tools().clickCount > 0;
    const std::string fromFirst =
        Joined(texts::kSegmentLength.c_str(),
               LengthReadout(ChordLength(BuildState().first, hover.hoverPoint)));
    switch (hover.kind) {
        case HoverKind::AnchorHit:
            lines.push_back(secondPoint ? texts::kAnchor2.c_str() : texts::kAnchor1.c_str());
            if (secondPoint) lines.push_back(fromFirst);
            break;
        case HoverKind::SnappedPointHit:
            lines.push_back(secondPoint ? texts::kObjectCentre2.c_str()
                                        : texts::kObjectCentre1.c_str());
            if (secondPoint) lines.push_back(fromFirst);
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

// The signed angle at a vertex anchor between the directions to its neighbours.
std::string VertexAngle(const HoverState& hover) {
    const std::vector<PathSegment> anchors = ReadAnchors(hover.path);
    const auto within = [&](int i) { return i >= 0 && i < static_cast<int>(anchors.size()); };
    if (!within(hover.anchor) || !within(hover.previous) || !within(hover.next)) return {};
    const float opening = SignedOpening(anchors[static_cast<std::size_t>(hover.anchor)].p,
                                        anchors[static_cast<std::size_t>(hover.previous)].p,
                                        anchors[static_cast<std::size_t>(hover.next)].p);
    LabelText text;
    AngleText(opening, false, text);
    return text.c_str();
}

Lines AngleLines(const HoverState& hover) {
    Lines lines;
    const bool secondSide = Tools().clickCount > 0;
    switch (hover.kind) {
        case HoverKind::AnchorHit:
            lines.push_back(texts::kVertexAnchor.c_str());
            lines.push_back(Joined(texts::kAngleIs.c_str(), VertexAngle(hover)));
            break;
        case HoverKind::StraightSegmentHit:
            lines.push_back(secondSide ? texts::kSecondSide.c_str() : texts::kFirstSide.c_str());
            break;
        case HoverKind::ArcHit:
            lines.push_back(texts::kArcForAngle.c_str());
            break;
        case HoverKind::CurveHit:
            AddCurveLines(lines, hover);
            break;
        default:
            break;
    }
    return lines;
}

// "Rayon=" or "Diamètre=" with the circle's measure, the other one while Alt is held
// during a drag; then the area of a closed path.
void AddCircleMeasures(Lines& lines, const HoverState& hover) {
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

Lines CircleLines(const HoverState& hover) {
    Lines lines;
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

// "Longueur sur courbe = 30 mm" over an end of the hovered path, where a click would
// mark the point at that length.
Lines BezierLines(const HoverState& hover) {
    const bool endKind = hover.kind == HoverKind::AnchorHit ||
                         hover.kind == HoverKind::StraightSegmentHit ||
                         hover.kind == HoverKind::CurveHit;
    if (!endKind || !hover.path) return {};
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

// Over an anchor: which pick the click would make, the path's length and, on the path of
// the first pick, the length from it.
void AddAnchorLengths(Lines& lines, const HoverState& hover) {
    const bool second = Tools().clickCount > 0;
    lines.push_back(second ? texts::kSecondPoint.c_str() : texts::kFirstPoint.c_str());
    lines.push_back(Joined(texts::kWholeCurveLength.c_str(), LengthReadout(hover.pathLength)));
    const PartialLengthPick& pick = TheLengthsTool().measures().pick;
    if (second && pick.path == hover.path)
        lines.push_back(
            Joined(texts::kPartCurveLength.c_str(),
                   LengthReadout(PartialPathLength(pick.path, pick.anchor, hover.anchor))));
}

// The results of the collected paths, one line per result the settings show.
void AddResults(Lines& lines) {
    const LengthsResults& results = TheLengthsTool().measures().results;
    for (int r = kTotalLength; r < kLengthsResultCount; ++r) {
        const auto result = static_cast<LengthsResult>(r);
        if (!ResultShown(Settings(), result)) continue;
        if (result == kPartialLength && results.text[r].empty()) continue;
        lines.push_back(ResultLine(results, result));
    }
}

bool NoResultShown() {
    for (int r = kTotalLength; r < kLengthsResultCount; ++r)
        if (ResultShown(Settings(), static_cast<LengthsResult>(r))) return false;
    return true;
}

Lines LengthsLines(const HoverState& hover) {
    Lines lines;
    AddScaleLine(lines);
    const bool drag = Tools().dragActive;
    if (hover.kind == HoverKind::AnchorHit && !drag) {
        AddAnchorLengths(lines, hover);
    } else if (IsPathKind(hover.kind)) {
        AddResults(lines);
    } else if (!drag && HasMeasuredPaths(TheLengthsTool().measures())) {
        lines.push_back(NoResultShown() ? texts::kDeselectsAll.c_str()
                                        : texts::kClickToWrite.c_str());
    } else {
        lines.push_back(texts::kRubberBandHint1.c_str());
        lines.push_back(texts::kRubberBandHint2.c_str());
        lines.push_back(texts::kRubberBandHint3.c_str());
    }
    return lines;
}

// The lines of each tool, by row: entry i - 1 is tool i. The Parameters tool shows its
// panel instead.
using LinesOfTool = Lines (*)(const HoverState& hover);
constexpr LinesOfTool kLinesByTool[kToolCount] = {
    SegmentLines, AngleLines, CircleLines, BezierLines, LengthsLines, nullptr,
};

}  // namespace

bool IsPathKind(HoverKind kind) {
    return kind == HoverKind::StraightSegmentHit || kind == HoverKind::CurveHit ||
           kind == HoverKind::ArcHit;
}

std::vector<std::string> FeedbackLines() {
    const std::int32_t tool = Tools().ActingTool();
    if (tool < 1 || tool > kToolCount || !kLinesByTool[tool - 1]) return {};
    return kLinesByTool[tool - 1](CurrentHover());
}

}  // namespace quill
