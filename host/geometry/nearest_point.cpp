#include "host/geometry/nearest_point.h"

#include <algorithm>
#include <cmath>

namespace host::geom {

namespace {

// Pieces smaller than this, in points, are taken as their chord; the parameter found is
// then polished by Newton steps on the whole curve.
constexpr double kChordResolution = 1e-3;
constexpr int kPolishSteps = 4;
// Crossings are located to this size, in points.
constexpr double kResolution = 1e-6;
// Below this parameter span a crossing is located.
constexpr double kParameterResolution = 1e-9;
constexpr int kMaxDepth = 60;

double Distance2ToBounds(const Bounds& b, Vec p) {
    const double dx = std::max({b.left - p.x, 0.0, p.x - b.right});
    const double dy = std::max({b.bottom - p.y, 0.0, p.y - b.top});
    return dx * dx + dy * dy;
}

// How far the control points stray from where a straight, evenly parameterised piece
// would put them.
double Unevenness(const Cubic& c) {
    const double ax = c.p1.x - (2 * c.p0.x + c.p3.x) / 3, ay = c.p1.y - (2 * c.p0.y + c.p3.y) / 3;
    const double bx = c.p2.x - (c.p0.x + 2 * c.p3.x) / 3, by = c.p2.y - (c.p0.y + 2 * c.p3.y) / 3;
    return std::sqrt(std::max(ax * ax + ay * ay, bx * bx + by * by));
}

double Size(const Bounds& b) {
    return std::max(b.right - b.left, b.top - b.bottom);
}

struct Search {
    const Cubic& whole;
    Vec p;
    double best2;
    std::optional<NearestPoint> found;

    void Consider(double t) {
        const Vec q = Evaluate(whole, t);
        const double d2 = (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
        if (d2 <= best2) {
            best2 = d2;
            found = NearestPoint{t, q, std::sqrt(d2)};
        }
    }

    // Newton's method on (B(t) − p)·B'(t) = 0 from the best parameter, kept only while it
    // brings the point nearer.
    void Polish() {
        if (!found) return;
        double t = found->t;
        for (int i = 0; i < kPolishSteps; ++i) {
            const Vec q = Evaluate(whole, t), d1 = Derivative(whole, t);
            const double u = 1 - t;
            const Vec d2{6 * (u * (whole.p2.x - 2 * whole.p1.x + whole.p0.x) +
                              t * (whole.p3.x - 2 * whole.p2.x + whole.p1.x)),
                         6 * (u * (whole.p2.y - 2 * whole.p1.y + whole.p0.y) +
                              t * (whole.p3.y - 2 * whole.p2.y + whole.p1.y))};
            const Vec r{q.x - p.x, q.y - p.y};
            const double g = r.x * d1.x + r.y * d1.y;
            const double slope = d1.x * d1.x + d1.y * d1.y + r.x * d2.x + r.y * d2.y;
            if (!(slope > 0)) return;
            const double next = std::clamp(t - g / slope, 0.0, 1.0);
            if (next == t) return;
            const double before = best2;
            Consider(next);
            if (!(best2 < before)) return;
            t = next;
        }
    }

    void Descend(const Cubic& piece, double t0, double t1, int depth) {
        const Bounds b = ControlBounds(piece);
        // Written so that a piece whose bounds are not numbers (coordinates beyond a float)
        // is given up rather than halved to the bottom.
        if (!(Distance2ToBounds(b, p) <= best2)) return;
        if (depth >= kMaxDepth || Size(b) <= kChordResolution ||
            Unevenness(piece) <= kChordResolution) {
            // Even and straight: the parameter of the chord's nearest point is the curve's.
            const double dx = piece.p3.x - piece.p0.x, dy = piece.p3.y - piece.p0.y;
            const double length2 = dx * dx + dy * dy;
            double u =
                length2 > 0 ? ((p.x - piece.p0.x) * dx + (p.y - piece.p0.y) * dy) / length2 : 0;
            u = std::clamp(u, 0.0, 1.0);
            Consider(t0 + u * (t1 - t0));
            return;
        }
        Cubic left, right;
        Split(piece, 0.5, &left, &right);
        const double mid = 0.5 * (t0 + t1);
        // The nearer half first, so that the other is pruned more often.
        if (Distance2ToBounds(ControlBounds(left), p) <=
            Distance2ToBounds(ControlBounds(right), p)) {
            Descend(left, t0, mid, depth + 1);
            Descend(right, mid, t1, depth + 1);
        } else {
            Descend(right, mid, t1, depth + 1);
            Descend(left, t0, mid, depth + 1);
        }
    }
};

// Pairs of pieces examined at most: overlapping curves would otherwise be halved all
// along their common stretch.
constexpr int kCrossingBudget = 20000;

struct Crossings {
    std::size_t limit;
    int budget = kCrossingBudget;
    std::vector<std::pair<double, double>>* out;
    // Pieces farther than this from the centre are dropped (when the reach is finite).
    Vec centre{0, 0};
    double reach2 = HUGE_VAL;

    bool Beyond(const Bounds& b) const {
        return reach2 != HUGE_VAL && Distance2ToBounds(b, centre) > reach2;
    }
};

// The crossings of a over [a0, a1] and b over [b0, b1], whose control bounds are ba and
// bb (each piece's bounds are found once, where it is made).
void Cross(const Cubic& a, const Bounds& ba, double a0, double a1, const Cubic& b, const Bounds& bb,
           double b0, double b1, int depth, Crossings& found) {
    std::vector<std::pair<double, double>>* out = found.out;
    if (out->size() >= found.limit || --found.budget < 0) return;
    if (ba.left > bb.right || bb.left > ba.right || ba.bottom > bb.top || bb.bottom > ba.top)
        return;
    if (found.Beyond(ba) || found.Beyond(bb)) return;
    const bool aSmall = a1 - a0 <= kParameterResolution || Size(ba) <= kResolution;
    const bool bSmall = b1 - b0 <= kParameterResolution || Size(bb) <= kResolution;
    if ((aSmall && bSmall) || depth >= kMaxDepth) {
        const double ta = 0.5 * (a0 + a1), tb = 0.5 * (b0 + b1);
        // Neighbouring pieces find the same crossing: keep one.
        for (const auto& [pa, pb] : *out)
            if (std::fabs(pa - ta) < 1e-6 && std::fabs(pb - tb) < 1e-6) return;
        out->emplace_back(ta, tb);
        return;
    }
    // Halve the larger piece.
    if (!aSmall && (bSmall || Size(ba) >= Size(bb))) {
        Cubic l, r;
        Split(a, 0.5, &l, &r);
        const double mid = 0.5 * (a0 + a1);
        Cross(l, ControlBounds(l), a0, mid, b, bb, b0, b1, depth + 1, found);
        Cross(r, ControlBounds(r), mid, a1, b, bb, b0, b1, depth + 1, found);
    } else {
        Cubic l, r;
        Split(b, 0.5, &l, &r);
        const double mid = 0.5 * (b0 + b1);
        Cross(a, ba, a0, a1, l, ControlBounds(l), b0, mid, depth + 1, found);
        Cross(a, ba, a0, a1, r, ControlBounds(r), mid, b1, depth + 1, found);
    }
}

}  // namespace

Bounds ControlBounds(const Cubic& c) {
    return {std::min({c.p0.x, c.p1.x, c.p2.x, c.p3.x}), std::min({c.p0.y, c.p1.y, c.p2.y, c.p3.y}),
            std::max({c.p0.x, c.p1.x, c.p2.x, c.p3.x}), std::max({c.p0.y, c.p1.y, c.p2.y, c.p3.y})};
}

std::optional<NearestPoint> Nearest(const Cubic& c, Vec p, double within) {
    Search search{c, p, within * within, std::nullopt};
    search.Consider(0);
    search.Consider(1);
    search.Descend(c, 0, 1, 0);
    search.Polish();
    return search.found;
}

std::vector<std::pair<double, double>> Intersections(const Cubic& a, const Cubic& b,
                                                     std::size_t limit) {
    std::vector<std::pair<double, double>> out;
    Crossings found{limit, kCrossingBudget, &out};
    Cross(a, ControlBounds(a), 0, 1, b, ControlBounds(b), 0, 1, 0, found);
    return out;
}

std::vector<std::pair<double, double>> IntersectionsNear(const Cubic& a, const Cubic& b, Vec centre,
                                                         double reach, std::size_t limit) {
    std::vector<std::pair<double, double>> out;
    Crossings found{limit, kCrossingBudget, &out, centre, reach * reach};
    Cross(a, ControlBounds(a), 0, 1, b, ControlBounds(b), 0, 1, 0, found);
    return out;
}

}  // namespace host::geom
