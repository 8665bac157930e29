#include "bench_drawing.h"

#include <random>

namespace quill::bench {

void DrawPaths(host::Document& document, int paths, int segments, float side, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> at(0, side), step(-25, 25), handle(-10, 10);
    for (int p = 0; p < paths; ++p) {
        std::vector<AIPathSegment> anchors;
        AIRealPoint point{at(random), at(random)};
        for (int i = 0; i <= segments; ++i) {
            AIPathSegment s{point, point, point, 1};
            if (random() % 3 == 0) {
                s.in = {point.h + handle(random), point.v + handle(random)};
                s.out = {point.h + handle(random), point.v + handle(random)};
                s.corner = 0;
            }
            anchors.push_back(s);
            point = {point.h + step(random), point.v + step(random)};
        }
        host::Art* path = document.NewArt(host::ArtKind::Path, kPlaceAboveAll, nullptr);
        document.SetSegments(path, std::move(anchors));
    }
}

std::vector<AIRealPoint> Pointers(const host::Document& document, int count, float side,
                                  unsigned seed) {
    std::vector<const host::Art*> paths;
    document.ForEachArt([&](host::Art& art) {
        if (art.kind() == host::ArtKind::Path) paths.push_back(&art);
    });
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> at(0, side), near(-10, 10);
    std::vector<AIRealPoint> pointers;
    for (int i = 0; i < count; ++i) {
        if (i % 2 == 0 || paths.empty()) {
            pointers.push_back({at(random), at(random)});
            continue;
        }
        const host::Art& path = *paths[random() % paths.size()];
        const AIRealPoint a = path.segments[random() % path.segments.size()].p;
        pointers.push_back({a.h + near(random), a.v + near(random)});
    }
    return pointers;
}

}  // namespace quill::bench
