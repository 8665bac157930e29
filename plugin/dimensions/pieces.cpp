#include "plugin/dimensions/pieces.h"

#include <vector>

#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"

namespace quill {

namespace {

AIPathSegment ToHost(const PathSegment& s) {
    return {{s.p.h, s.p.v}, {s.in.h, s.in.v}, {s.out.h, s.out.v}, s.corner};
}

}  // namespace

AIErr DisposeUnfinished(AIArtHandle* piece, AIErr result) {
    if (result == kNoErr) return result;
    ArtSet().unfinished = result;
    if (*piece) sAIArt->DisposeArt(*piece);
    *piece = nullptr;
    return result;
}

AIErr TagPiece(AIArtHandle art) {
    return WriteTag(art, tags::kPiece, tags::kMarkerValue);
}

AIErr NewPathPiece(AIArtHandle below, std::int16_t segmentCount, AIArtHandle* piece) {
    *piece = nullptr;
    AIErr result = IsValidArt(below)
                       ? sAIArt->NewArt(kPathArt, kPlaceBelow, below, piece)
                       : sAIArt->NewArt(kPathArt, kPlaceInsideOnBottom, ArtSet().group, piece);
    if (result != kNoErr) return result;
    result = TagPiece(*piece);
    if (result == kNoErr) result = sAIPath->SetPathSegmentCount(*piece, segmentCount);
    return DisposeUnfinished(piece, result);
}

AIErr NewTextPiece(AIArtHandle* text) {
    *text = nullptr;
    AIErr result = sAITextFrame->NewPointText(kPlaceInsideOnTop, ArtSet().group,
                                              kHorizontalTextOrientation, AIRealPoint{0, 0}, text);
    if (result == kNoErr) result = TagPiece(*text);
    return DisposeUnfinished(text, result);
}

AIErr SetStraightLine(Point from, Point to, AIArtHandle path, LineRole role) {
    if (!IsValidArt(path)) return kNoErr;
    const PathSegment ends[2] = {{from, from, from, true}, {to, to, to, true}};
    AIErr result = SetPathShape(path, ends, 2, false);
    const AIPathStyle& style =
        role == LineRole::DimensionLine ? DimensionLineStyle() : Styles().stroke;
    AIErr styled = sAIPathStyle->SetPathStyle(path, &style);
    return styled != kNoErr ? styled : result;
}

AIErr TransformPiece(AIArtHandle art, const Matrix& m) {
    const AIRealMatrix matrix{m.a, m.b, m.c, m.d, m.tx, m.ty};
    return sAITransformArt->TransformArt(art, &matrix, 1, kTransformObjects);
}

AIErr SetPathShape(AIArtHandle path, const PathSegment* segments, std::int16_t count, bool closed) {
    std::vector<AIPathSegment> host;
    host.reserve(static_cast<size_t>(count));
    for (std::int16_t i = 0; i < count; ++i) host.push_back(ToHost(segments[i]));
    AIErr result = sAIPath->SetPathSegmentCount(path, count);
    if (result == kNoErr) result = sAIPath->SetPathSegments(path, 0, count, host.data());
    AIErr closing = sAIPath->SetPathClosed(path, closed);
    return result != kNoErr ? result : closing;
}

}  // namespace quill
