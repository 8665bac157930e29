#include "host/svg/svg_stroke_space.h"

#include "host/svg/svg_numbers.h"

namespace host::svg {

std::string StrokeSpaceTransform(const StrokeSpace& space) {
    // Every digit of the doubles: reading the file back gives the same space and points.
    return "matrix(" + FormatDouble(space.a) + " " + FormatDouble(space.b) + " " +
           FormatDouble(space.c) + " " + FormatDouble(space.d) + " 0 0)";
}

Matrix FromDocument(const StrokeSpace& space) {
    const double det = space.a * space.d - space.b * space.c;  // ±1, never 0
    return Matrix{space.d / det, -space.b / det, -space.c / det, space.a / det, 0, 0};
}

std::vector<AIPathSegment> SegmentsInSpace(const std::vector<AIPathSegment>& segments,
                                           const StrokeSpace& space) {
    const Matrix back = FromDocument(space);
    auto map = [&](AIRealPoint p) {
        const Point q = back.Apply({p.h, p.v});
        return AIRealPoint{static_cast<float>(q.x), static_cast<float>(q.y)};
    };
    std::vector<AIPathSegment> mapped = segments;
    for (AIPathSegment& s : mapped) {
        s.p = map(s.p);
        s.in = map(s.in);
        s.out = map(s.out);
    }
    return mapped;
}

}  // namespace host::svg
