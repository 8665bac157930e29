#include "host/geometry/art_matching.h"

#include <cstdio>
#include <cstdlib>

namespace host {

int16_t SdkArtType(ArtKind kind) {
    switch (kind) {
        case ArtKind::Group:
            return kGroupArt;
        case ArtKind::Path:
            return kPathArt;
        case ArtKind::CompoundPath:
            return kCompoundPathArt;
        case ArtKind::Text:
            return kTextFrameArt;
    }
    return kUnknownArt;
}

namespace {

AIRealPoint Apply(const AIRealMatrix& m, AIRealPoint p) {
    const double x = p.h, y = p.v;
    return {static_cast<float>(m.a * x + m.c * y + m.tx),
            static_cast<float>(m.b * x + m.d * y + m.ty)};
}

// The matrix that applies `first`, then `then`.
AIRealMatrix Concat(const AIRealMatrix& first, const AIRealMatrix& then) {
    auto f = [](double v) { return static_cast<float>(v); };
    const AIRealMatrix& t = first;
    const AIRealMatrix& m = then;
    return {f(double(m.a) * t.a + double(m.c) * t.b),
            f(double(m.b) * t.a + double(m.d) * t.b),
            f(double(m.a) * t.c + double(m.c) * t.d),
            f(double(m.b) * t.c + double(m.d) * t.d),
            f(double(m.a) * t.tx + double(m.c) * t.ty + m.tx),
            f(double(m.b) * t.tx + double(m.d) * t.ty + m.ty)};
}

}  // namespace

bool Matches(const Art& art, const AIMatchingArtRule& wanted) {
    if (wanted.type != kAnyArt && wanted.type != SdkArtType(art.kind())) return false;
    return (art.attributes & wanted.whichAttr) == wanted.attr;
}

namespace {

bool MatchesAny(const Art& art, const AIMatchingArtRule* rules, int count) {
    for (int i = 0; i < count; ++i)
        if (Matches(art, rules[i])) return true;
    return false;
}

// Debug builds check the kept answer against a walk of the whole drawing: art changed
// without the document being told would make it stale.
void CheckKeptAnswer(const Document& document, const AIMatchingArtRule* rules, int count,
                     const std::vector<const std::vector<ObjectId>*>& pieces) {
#ifndef NDEBUG
    std::vector<ObjectId> kept, walked;
    for (const auto* piece : pieces) kept.insert(kept.end(), piece->begin(), piece->end());
    for (const Art* art : MatchingArt(document, rules, count)) walked.push_back(art->id());
    if (kept != walked) {
        std::fprintf(stderr, "matching art: the kept answer is stale (art changed untold)\n");
        std::abort();
    }
#else
    (void)document, (void)rules, (void)count, (void)pieces;
#endif
}

}  // namespace

std::vector<Art*> MatchingArt(const Document& document, const AIMatchingArtRule* rules, int count) {
    std::vector<Art*> found;
    document.ArtInPaintOrder().ForEach([&](Art& art) {
        if (MatchesAny(art, rules, count)) found.push_back(&art);
    });
    return found;
}

const std::vector<const std::vector<ObjectId>*>& MatchingArtIds(const Document& document,
                                                                const AIMatchingArtRule* rules,
                                                                int count) {
    const auto& pieces =
        document.matchingMemo().Answer(document.ArtInPaintOrder(), rules, count, MatchesAny);
    CheckKeptAnswer(document, rules, count, pieces);
    return pieces;
}

namespace {

AIPathSegment Moved(const AIRealMatrix& matrix, AIPathSegment s) {
    s.p = Apply(matrix, s.p);
    s.in = Apply(matrix, s.in);
    s.out = Apply(matrix, s.out);
    return s;
}

// Whether the art, transformed, stays within what a document holds.
bool StaysInRange(const Art& art, const AIRealMatrix& matrix, float lineScale, int flags) {
    for (const auto& child : art.children())
        if (!StaysInRange(*child, matrix, lineScale, flags)) return false;
    if (art.kind() == ArtKind::Path || art.kind() == ArtKind::CompoundPath) {
        if ((flags & kScaleLines) && !InDrawingRange(double{art.style().width} * lineScale))
            return false;
        if (flags & kTransformObjects)
            for (const AIPathSegment& s : art.segments)
                if (!InDrawingRange(Moved(matrix, s))) return false;
    } else if (art.kind() == ArtKind::Text && (flags & kTransformObjects)) {
        return InDrawingRange(Concat(art.text().matrix, matrix));
    }
    return true;
}

void Transform(Document& document, Art& art, const AIRealMatrix& matrix, float lineScale,
               int flags) {
    for (const auto& child : art.children()) Transform(document, *child, matrix, lineScale, flags);
    document.Touch(art);
    // What the file keeps of the art (its gradient's space, an image) moves with it.
    if (art.kept() && (flags & kTransformObjects))
        art.keep().Transform({matrix.a, matrix.b, matrix.c, matrix.d, matrix.tx, matrix.ty});
    // A compound path's own stroke width is scaled as its members' are.
    if (art.kind() == ArtKind::CompoundPath && (flags & kScaleLines))
        art.editStyle().width *= lineScale;
    if (art.kind() == ArtKind::Path) {
        if (flags & kScaleLines) art.editStyle().width *= lineScale;
        if (flags & kTransformObjects) {
            std::vector<AIPathSegment> moved = art.segments;
            for (AIPathSegment& s : moved) s = Moved(matrix, s);
            document.SetSegments(&art, std::move(moved));
            art.strokeSpace =
                MovedStrokeSpace(art.strokeSpace.get(), matrix.a, matrix.b, matrix.c, matrix.d);
        }
    } else if (art.kind() == ArtKind::Text && (flags & kTransformObjects)) {
        document.SetMatrix(&art, Concat(art.text().matrix, matrix));
    }
}

}  // namespace

bool TransformArt(Document& document, Art& art, const AIRealMatrix& matrix, float lineScale,
                  int flags) {
    if (!StaysInRange(art, matrix, lineScale, flags)) return false;
    Transform(document, art, matrix, lineScale, flags);
    return true;
}

}  // namespace host
