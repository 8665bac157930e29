// What the Lengths & Areas tool shows on hover: what lies under the pointer, found by
// proximity rather than host hit tests, with the live measures of the collection; the
// cursor; the lines beside the pointer and the marks.
#include <string>
#include <vector>

#include "plugin/dimensions/lengths_texts.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/hit_testing.h"
#include "plugin/tools/hover_lines.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/hover_texts.h"
#include "plugin/tools/lengths_tool.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

constexpr float kCloseZoomTolerance = 6.0f;  // at a view zoom of 2 or less
constexpr float kFarZoomTolerance = 3.0f;
constexpr float kZoomThreshold = 2.0f;

// The paths the walk looks at: unlocked, shown, not guides, on a shown layer; of
// dimension art only the clickable lines.
bool Walked(AIArtHandle art) {
    int32_t attributes = 0;
    if (sAIArt->GetArtUserAttr(art, kArtLocked | kArtHidden | kArtIsGuide, &attributes) != kNoErr ||
        attributes != 0)
        return false;
    AILayerHandle layer = nullptr;
    AIBoolean visible = false;
    if (sAIArt->GetLayerOfArt(art, &layer) != kNoErr ||
        sAILayer->GetLayerVisible(layer, &visible) != kNoErr || !visible)
        return false;
    return IsDimensionLine(art) || !HasTag(art, tags::kPiece);
}

// The segment's kind from the path's own records: the arc test takes segment i and
// i + 1, or segment 0 and n − 1 backwards for the closing segment.
void ClassifySample(HoverState& hover, const std::vector<PathSegment>& anchors, int segment) {
    const int n = static_cast<int>(anchors.size());
    const bool closing = segment == n - 1;
    const PathSegment& a = anchors[static_cast<std::size_t>(closing ? 0 : segment)];
    const PathSegment& b = anchors[static_cast<std::size_t>(closing ? n - 1 : segment + 1)];
    SetSegmentKind(hover, RecordBezier(anchors, segment), a, b, closing,
                   IsDimensionLine(hover.path));
}

// The first anchor or curve sample of the document near the pointer (within 6 points at
// a view zoom of 2 or less, else 3).
void ClassifyForLengthsTool(HoverState& hover, Point pointer) {
    AIReal zoom = 1;
    sAIDocumentView->GetDocumentViewZoom(nullptr, &zoom);
    const float tolerance = zoom <= kZoomThreshold ? kCloseZoomTolerance : kFarZoomTolerance;
    const auto found = FirstNearbyHit(pointer, tolerance, Walked);
    if (!found) return;
    const ProximityHit& hit = found->hit;
    hover.path = found->art;
    hover.hoverPoint = hit.point;
    if (hit.kind == ProximityHit::Kind::Anchor) {
        hover.kind = HoverKind::AnchorHit;
        hover.anchor = static_cast<std::int16_t>(hit.anchor);
        return;
    }
    const std::vector<PathSegment> anchors = HostPath(found->art).Anchors();
    const int n = static_cast<int>(anchors.size());
    hover.t = hit.t;
    hover.segmentStart = static_cast<std::int16_t>(hit.segment);
    hover.segmentEnd = static_cast<std::int16_t>((hit.segment + 1) % n);
    ClassifySample(hover, anchors, hit.segment);
}

// Over an anchor: which pick the click would make, the path's length and, on the path of
// the first pick, the length from it.
void AddAnchorLengths(FeedbackLineList& lines, const HoverState& hover,
                      const PartialLengthPick& pick) {
    const bool second = Tools().clickCount > 0;
    lines.push_back(second ? texts::kSecondPoint.c_str() : texts::kFirstPoint.c_str());
    lines.push_back(Joined(texts::kWholeCurveLength.c_str(), LengthReadout(hover.pathLength)));
    if (second && pick.path == hover.path)
        lines.push_back(
            Joined(texts::kPartCurveLength.c_str(),
                   LengthReadout(PartialPathLength(pick.path, pick.anchor, hover.anchor))));
}

// The results of the collected paths, one line per result the settings show.
void AddResults(FeedbackLineList& lines, const LengthsResults& results) {
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

}  // namespace

// What lies under the pointer, then the live measures of the collection beside it.
AIErr LengthsTool::Classify(Point pointer) {
    const AIErr classified = RunClassification(ClassifyForLengthsTool, pointer);
    const AIErr measured = ComputeMeasures(measures_);
    return classified != kNoErr ? classified : measured;
}

std::int32_t LengthsTool::Cursor(HoverKind kind, bool) const {
    return MeasuringCursor(kind);
}

// Over an anchor the path's whole length is shown too.
bool LengthsTool::ShowsPathLength(HoverKind kind) const {
    return kind == HoverKind::CurveHit || kind == HoverKind::AnchorHit;
}

std::vector<std::string> LengthsTool::FeedbackLines(const HoverState& hover) const {
    FeedbackLineList lines;
    AddScaleLine(lines);
    const bool drag = Tools().dragActive;
    if (hover.kind == HoverKind::AnchorHit && !drag) {
        AddAnchorLengths(lines, hover, measures_.pick);
    } else if (IsPathKind(hover.kind)) {
        AddResults(lines, measures_.results);
    } else if (!drag && HasMeasuredPaths(measures_)) {
        lines.push_back(NoResultShown() ? texts::kDeselectsAll.c_str()
                                        : texts::kClickToWrite.c_str());
    } else {
        lines.push_back(texts::kRubberBandHint1.c_str());
        lines.push_back(texts::kRubberBandHint2.c_str());
        lines.push_back(texts::kRubberBandHint3.c_str());
    }
    return lines;
}

// Before the first pick, whether a click would add the path (plus) or take it out
// (minus); after it, the part of the path a second pick would measure.
void LengthsTool::FeedbackMarks(const HoverState& hover, HoverMarks& marks) const {
    if (Tools().dragActive) return;
    if (hover.kind == HoverKind::AnchorHit) {
        marks.Ring(hover.hoverPoint, RingKind::Anchor);
        return;
    }
    if (!IsPathKind(hover.kind) || !hover.path) return;
    const HostPath path(hover.path);
    if (Tools().clickCount == 0) {
        const bool collected = FullySelected(hover.path);
        marks.Path(path.Anchors(), path.Closed(), collected ? 4.0f : 2.0f);
        marks.Sign(Tools().cursor, !collected);
        return;
    }
    const PartialLengthPick& pick = measures_.pick;
    if (pick.path == hover.path)
        marks.PartialPath(path.Anchors(), path.Closed(), pick.anchor, hover.segmentStart);
}

// The lines start below the plus and minus signs; the legend shows the text colour alone.
FeedbackLayout LengthsTool::Layout() const {
    FeedbackLayout layout;
    layout.linesBelow = 20;
    layout.legendTextOnly = true;
    layout.legendRowGap = 4;
    return layout;
}

// The rubber band from the press; the drag selected what it takes in.
std::optional<DraggedBand> LengthsTool::Band() const {
    return DraggedBand{measures_.corner, bandCode_};
}

}  // namespace quill
