#include "plugin/geometry/path_lengths.h"

#include <utility>
#include <vector>

#include "plugin/geometry/vectors.h"

namespace quill {

namespace {

float SegmentLength(const PathReader& path, const BezierService& service, int segment) {
    return BezierLength(service, SegmentBezier(path, segment));
}

// Sum of segments first … last − 1, in this order.
float SumSegments(const PathReader& path, const BezierService& service, int first, int last) {
    float sum = 0;
    for (int i = first; i < last; ++i) sum += SegmentLength(path, service, i);
    return sum;
}

}  // namespace

Bezier SegmentBezier(const PathReader& path, int segment) {
    return path.SegmentBezier(segment);
}

float BezierLength(const BezierService& service, const Bezier& bezier) {
    return service.Length(bezier, kLengthFlatness);
}

Bezier BackwardsClosingBezier(const PathReader& path) {
    const PathSegment first = path.Anchor(0);
    const PathSegment last = path.Anchor(path.AnchorCount() - 1);
    return {first.p, first.in, last.out, last.p};
}

float PathLengthBetween(const PathReader& path, const BezierService& service, int a, int b) {
    const int n = path.AnchorCount();
    const bool closed = path.Closed();
    if (a == b) {
        if (!closed) return 0;
        return SumSegments(path, service, 0, n - 1) + SegmentLength(path, service, n - 1);
    }
    if (!closed) {
        if (b < a) std::swap(a, b);
        return SumSegments(path, service, a, b);
    }
    if (a < b) return SumSegments(path, service, a, b);
    // Forwards from a through the closing segment to b.
    float sum = SumSegments(path, service, 0, b);
    sum += SumSegments(path, service, a, n - 1);
    return sum + SegmentLength(path, service, n - 1);
}

float PathTotalLength(const PathReader& path, const BezierService& service, double unitFactor,
                      float scale) {
    float points = path.MeasuredOpenLength();
    if (path.Closed()) points += BezierLength(service, BackwardsClosingBezier(path));
    return static_cast<float>(points * unitFactor / scale);
}

namespace {

// The lengths of a path's segments, each asked of the host once, when first needed.
class SegmentLengths {
 public:
    SegmentLengths(const PathReader& path, const BezierService& service)
        : path_(path), service_(service) {}

    float operator[](int segment) {
        const auto index = static_cast<std::size_t>(segment);
        if (index >= known_.size()) {
            known_.resize(index + 1, false);
            lengths_.resize(index + 1, 0.0f);
        }
        if (!known_[index]) {
            lengths_[index] = SegmentLength(path_, service_, segment);
            known_[index] = true;
        }
        return lengths_[index];
    }

 private:
    const PathReader& path_;
    const BezierService& service_;
    std::vector<float> lengths_;
    std::vector<bool> known_;
};

// The distance is taken off segment after segment from the first, in this order, so
// that every point lands where it would alone, to the last bit.
PathPosition PositionAt(const PathReader& path, const BezierService& service,
                        SegmentLengths& lengths, float s) {
    const int segments = path.Closed() ? path.AnchorCount() : path.AnchorCount() - 1;
    float length = lengths[0];
    int i = 1;
    while (length < s) {
        // A distance past the end by rounding stays at the end of the last segment.
        if (i >= segments) {
            s = length;
            break;
        }
        s -= length;
        length = lengths[i];
        ++i;
    }
    PathPosition position;
    position.segment = i - 1;
    const Bezier bezier = SegmentBezier(path, position.segment);
    position.t = service.TAtLength(bezier, s, length, kLengthFlatness);
    position.point = service.Evaluate(bezier, position.t);
    const Point tangent = service.Tangent(bezier, position.t);
    position.direction = DirectionAngle(position.point, position.point + tangent);
    return position;
}

}  // namespace

PathPosition PointAtLength(const PathReader& path, const BezierService& service, float s) {
    SegmentLengths lengths(path, service);
    return PositionAt(path, service, lengths, s);
}

std::vector<PathPosition> PointsAtLengths(const PathReader& path, const BezierService& service,
                                          const std::vector<float>& distances) {
    SegmentLengths lengths(path, service);
    std::vector<PathPosition> positions;
    positions.reserve(distances.size());
    for (const float s : distances) positions.push_back(PositionAt(path, service, lengths, s));
    return positions;
}

}  // namespace quill
