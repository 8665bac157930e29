#include "plugin/services/ai_error.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/tools/hit_testing.h"
#include "plugin/tools/hover_classification.h"
#include "plugin/tools/hover_state.h"

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

}  // namespace

AIErr ClassifyLengthsHover(Point pointer) {
    return RunClassification(ClassifyForLengthsTool, pointer);
}

}  // namespace quill
