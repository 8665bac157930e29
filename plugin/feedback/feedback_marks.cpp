#include "plugin/feedback/feedback_marks.h"

#include <algorithm>

#include "plugin/geometry/proximity_walk.h"

namespace quill {

namespace {

// A very long path is drawn only in part: the pass must stay quick.
constexpr int kMostMarkedSegments = 32000;

// Segments `from` to `to` − 1 in turn; each one starts where the one before ended, so
// its start is converted once.
void DrawSegments(AnnotationDrawer& drawer, const std::vector<PathSegment>& anchors, int from,
                  int to) {
    AIPoint view[4];
    for (int segment = from; segment < to; ++segment) {
        const quill::Bezier b = RecordBezier(anchors, segment);
        view[0] = segment == from ? drawer.ToView(b.p0) : view[3];
        view[1] = drawer.ToView(b.p1);
        view[2] = drawer.ToView(b.p2);
        view[3] = drawer.ToView(b.p3);
        drawer.Bezier(view);
    }
}

}  // namespace

void DrawPointMark(AnnotationDrawer& drawer, Point artwork, RingKind kind) {
    const int k = static_cast<int>(kind);
    const int radius = 5 - k;
    const AIPoint centre = drawer.ToView(artwork);
    drawer.LineWidth(2.0f + static_cast<float>(k));
    drawer.Ellipse({centre.h - radius, centre.v - radius, centre.h + radius, centre.v + radius},
                   false);
}

void DrawSegmentMark(AnnotationDrawer& drawer, Point from, Point to, float width) {
    drawer.LineWidth(width);
    drawer.Line(drawer.ToView(from), drawer.ToView(to));
}

void DrawPathMark(AnnotationDrawer& drawer, const std::vector<PathSegment>& anchors, bool closed,
                  float width) {
    const int n = static_cast<int>(anchors.size());
    if (n < 2) return;
    drawer.LineWidth(width);
    const int segments = std::min(closed ? n : n - 1, kMostMarkedSegments);
    DrawSegments(drawer, anchors, 0, segments);
}

void DrawPartialPathMark(AnnotationDrawer& drawer, const std::vector<PathSegment>& anchors,
                         bool closed, int anchorA, int anchorB) {
    const int n = static_cast<int>(anchors.size());
    if (anchorA == anchorB) {
        DrawPathMark(drawer, anchors, closed, 3.0f);
        return;
    }
    const int low = std::max(0, std::min(anchorA, anchorB));
    const int high = std::min(n - 1, std::max(anchorA, anchorB));
    drawer.LineWidth(3.0f);
    DrawSegments(drawer, anchors, low, std::min(high, low + kMostMarkedSegments));
}

void DrawMinusSign(AnnotationDrawer& drawer, AIPoint pointer) {
    drawer.LineWidth(6.0f);
    drawer.Line({pointer.h - 27, pointer.v + 20}, {pointer.h - 7, pointer.v + 20});
}

void DrawPlusSign(AnnotationDrawer& drawer, AIPoint pointer) {
    DrawMinusSign(drawer, pointer);
    drawer.Line({pointer.h - 17, pointer.v + 10}, {pointer.h - 17, pointer.v + 30});
}

}  // namespace quill
