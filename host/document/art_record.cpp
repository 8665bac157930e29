#include "host/document/art_record.h"

namespace host {

namespace {

bool SamePoint(const AIRealPoint& a, const AIRealPoint& b) {
    return a.h == b.h && a.v == b.v;
}

bool SameSegments(const std::vector<AIPathSegment>& a, const std::vector<AIPathSegment>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SamePoint(a[i].p, b[i].p) || !SamePoint(a[i].in, b[i].in) ||
            !SamePoint(a[i].out, b[i].out) || (a[i].corner != 0) != (b[i].corner != 0))
            return false;
    return true;
}

// Equal values (not bits: a change from 0 to −0 is no change here). Art that shares one
// style is answered without a look at it.
bool SameStyle(const PaintStyle& a, const PaintStyle& b) {
    if (&a == &b) return true;
    return a.fill == b.fill && a.stroke == b.stroke && a.dash == b.dash && a.width == b.width &&
           a.dashOffset == b.dashOffset && a.cap == b.cap && a.join == b.join &&
           a.miterLimit == b.miterLimit && a.fillPaint == b.fillPaint &&
           a.fillOverprint == b.fillOverprint && a.strokePaint == b.strokePaint &&
           a.strokeOverprint == b.strokeOverprint && a.evenOdd == b.evenOdd;
}

bool SameMatrix(const AIRealMatrix& a, const AIRealMatrix& b) {
    return a.a == b.a && a.b == b.b && a.c == b.c && a.d == b.d && a.tx == b.tx && a.ty == b.ty;
}

bool SameText(const PointText& a, const PointText& b) {
    const TextStyle &s = a.style, &t = b.style;
    return a.contents == b.contents && SameMatrix(a.matrix, b.matrix) && s.font == t.font &&
           s.size == t.size && s.baselineShift == t.baselineShift && s.tracking == t.tracking &&
           s.justification == t.justification && s.firstLineIndent == t.firstLineIndent &&
           s.startIndent == t.startIndent && s.lineStep == t.lineStep && s.fill == t.fill &&
           s.fillOverprint == t.fillOverprint;
}

bool SameMap(const PlaneMap& a, const PlaneMap& b) {
    return a.a == b.a && a.b == b.b && a.c == b.c && a.d == b.d && a.e == b.e && a.f == b.f;
}

bool SameKept(const KeptMarkup* a, const KeptMarkup* b) {
    if (!a || !b) return a == b;
    return a->attributes == b->attributes && a->elementName == b->elementName &&
           a->element == b->element && a->children == b->children && SameMap(a->space, b->space) &&
           a->hasSpace == b->hasSpace && a->opacity == b->opacity &&
           a->fillOpacity == b->fillOpacity && a->strokeOpacity == b->strokeOpacity;
}

bool SameStrokeSpace(const StrokeSpace* a, const StrokeSpace* b) {
    if (!a || !b) return a == b;
    return a->a == b->a && a->b == b->b && a->c == b->c && a->d == b->d;
}

}  // namespace

void WriteOwnFields(const Art& from, Art& to) {
    to.name = from.name;
    to.tags = from.tags;
    to.segments = from.segments;
    to.shareStyleOf(from);
    to.closed = from.closed;
    to.attributes = from.attributes;
    to.strokeSpace = from.strokeSpace ? std::make_unique<StrokeSpace>(*from.strokeSpace) : nullptr;
    to.text_ = from.text_ ? std::make_unique<PointText>(*from.text_) : nullptr;
    to.kept_ = from.kept_ ? std::make_unique<KeptMarkup>(*from.kept_) : nullptr;
}

std::unique_ptr<Art> CopyOwnFields(const Art& art) {
    auto copy = std::make_unique<Art>(art.id(), art.kind());
    WriteOwnFields(art, *copy);
    return copy;
}

bool SameOwnFields(const Art& a, const Art& b, std::int32_t ignored) {
    return a.id() == b.id() && a.kind() == b.kind() && a.name == b.name && a.tags == b.tags &&
           SameSegments(a.segments, b.segments) && SameStyle(a.style(), b.style()) &&
           a.closed == b.closed && (a.attributes & ~ignored) == (b.attributes & ~ignored) &&
           SameStrokeSpace(a.strokeSpace.get(), b.strokeSpace.get()) &&
           SameText(a.text(), b.text()) && SameKept(a.kept(), b.kept());
}

bool OnlySelectionDiffers(const ArtRecord& a, const ArtRecord& b) {
    if (!a.exists() || !b.exists()) return a.exists() == b.exists();
    return a.place.parent == b.place.parent && a.place.index == b.place.index &&
           SameOwnFields(*a.fields, *b.fields, kArtSelected | kArtFullySelected);
}

bool SameRecord(const ArtRecord& a, const ArtRecord& b) {
    if (!a.exists() || !b.exists()) return a.exists() == b.exists();
    return a.place.parent == b.place.parent && a.place.index == b.place.index &&
           SameOwnFields(*a.fields, *b.fields);
}

}  // namespace host
