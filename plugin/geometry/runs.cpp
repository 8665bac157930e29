#include "plugin/geometry/runs.h"

#include <utility>

#include "plugin/geometry/vectors.h"

namespace quill {

Bezier RunBezier(const std::vector<PathSegment>& run, std::size_t i) {
    return {run[i].p, run[i].out, run[i + 1].in, run[i + 1].p};
}

std::vector<PathSegment> ReversedRun(const std::vector<PathSegment>& run) {
    std::vector<PathSegment> reversed(run.rbegin(), run.rend());
    for (auto& s : reversed) std::swap(s.in, s.out);
    return reversed;
}

float RunStartDirection(const std::vector<PathSegment>& run) {
    const Bezier b = RunBezier(run, 0);
    Point towards = b.p1;
    if (SamePoint(towards, b.p0)) towards = b.p2;
    if (SamePoint(towards, b.p0)) towards = b.p3;
    return DirectionAngle(b.p0, towards);
}

float RunEndDirection(const std::vector<PathSegment>& run) {
    return RunStartDirection(ReversedRun(run));
}

}  // namespace quill
