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

std::vector<AIPathSegment> SegmentsMapped(const std::vector<AIPathSegment>& segments,
                                          const Matrix& map) {
    auto apply = [&](AIRealPoint p) {
        const Point q = map.Apply({p.h, p.v});
        return AIRealPoint{static_cast<float>(q.x), static_cast<float>(q.y)};
    };
    std::vector<AIPathSegment> mapped = segments;
    for (AIPathSegment& s : mapped) {
        s.p = apply(s.p);
        s.in = apply(s.in);
        s.out = apply(s.out);
    }
    return mapped;
}

std::vector<AIPathSegment> SegmentsInSpace(const std::vector<AIPathSegment>& segments,
                                           const StrokeSpace& space) {
    return SegmentsMapped(segments, FromDocument(space));
}

}  // namespace host::svg
