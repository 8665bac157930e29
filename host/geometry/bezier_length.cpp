#include "host/geometry/bezier_length.h"

#include <algorithm>
#include <array>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace host::geom {

namespace {

// The derivative B'(t) = (ax t² + bx t + cx, ay t² + by t + cy).
struct Speed {
    double ax, bx, cx, ay, by, cy;
    explicit Speed(const Cubic& c) {
        const Vec d0{c.p1.x - c.p0.x, c.p1.y - c.p0.y};
        const Vec d1{c.p2.x - c.p1.x, c.p2.y - c.p1.y};
        const Vec d2{c.p3.x - c.p2.x, c.p3.y - c.p2.y};
        ax = 3 * (d0.x - 2 * d1.x + d2.x);
        bx = 6 * (d1.x - d0.x);
        cx = 3 * d0.x;
        ay = 3 * (d0.y - 2 * d1.y + d2.y);
        by = 6 * (d1.y - d0.y);
        cy = 3 * d0.y;
    }
    double operator()(double t) const {
        const double x = (ax * t + bx) * t + cx, y = (ay * t + by) * t + cy;
        return std::sqrt(x * x + y * y);
    }
};

// Gauss–Legendre rules: the positive nodes on [−1, 1] and their weights (a zero node,
// for odd orders, is not used: every order here is even).
struct Rule {
    int nodes;
    std::array<double, 12> x, w;
};

Rule MakeRule(int n) {
    Rule rule{n, {}, {}};
    for (int i = 0; i < n / 2; ++i) {
        double x = std::cos(M_PI * (i + 0.75) / (n + 0.5)), derivative = 0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            double p0 = 1, p1 = x;
            for (int k = 2; k <= n; ++k) {
                const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = n * (x * p1 - p0) / (x * x - 1);
            const double step = p1 / derivative;
            x -= step;
            if (std::fabs(step) < 1e-16) break;
        }
        rule.x[static_cast<std::size_t>(i)] = x;
        rule.w[static_cast<std::size_t>(i)] = 2 / ((1 - x * x) * derivative * derivative);
    }
    return rule;
}

// Orders in increasing cost, with the smallest ellipse parameter ρ each one suits: the
// error of an n-node rule falls like ρ^(−2n), and ρ^(−2n) ≤ e^(−2·kDigits) is asked.
constexpr double kDigits = 11;
constexpr int kOrders[] = {4, 6, 8, 10, 12, 16, 20, 24};
constexpr int kOrderCount = 8;

const std::array<Rule, kOrderCount>& Rules() {
    static const std::array<Rule, kOrderCount> rules = [] {
        std::array<Rule, kOrderCount> made{};
        for (int i = 0; i < kOrderCount; ++i)
            made[static_cast<std::size_t>(i)] = MakeRule(kOrders[i]);
        return made;
    }();
    return rules;
}

// The same thresholds on the ellipse's semi-axis sum a = (ρ + 1/ρ)/2, which is cheaper
// to find than ρ itself.
const std::array<double, kOrderCount>& AxisThresholds() {
    static const std::array<double, kOrderCount> thresholds = [] {
        std::array<double, kOrderCount> made{};
        for (int i = 0; i < kOrderCount; ++i) {
            const double rho = std::exp(kDigits / kOrders[i]);
            made[static_cast<std::size_t>(i)] = 0.5 * (rho + 1 / rho);
        }
        return made;
    }();
    return thresholds;
}

// √a + √b, both roots taken at once where SSE2 allows it: the integration's inner loops
// are made of such pairs.
double SumOfRoots(double a, double b) {
#if defined(__SSE2__)
    double both[2];
    _mm_storeu_pd(both, _mm_sqrt_pd(_mm_set_pd(b, a)));
    return both[0] + both[1];
#else
    return std::sqrt(a) + std::sqrt(b);
#endif
}

// The speeds at two nodes.
double PairOfSpeeds(const Speed& s, double left, double right) {
    const double xl = (s.ax * left + s.bx) * left + s.cx, yl = (s.ay * left + s.by) * left + s.cy;
    const double xr = (s.ax * right + s.bx) * right + s.cx,
                 yr = (s.ay * right + s.by) * right + s.cy;
    return SumOfRoots(xl * xl + yl * yl, xr * xr + yr * yr);
}

double Apply(const Rule& rule, const Speed& speed, double t0, double t1) {
    const double mid = 0.5 * (t0 + t1), half = 0.5 * (t1 - t0);
    double sum = 0;
    for (int i = 0; i < rule.nodes / 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double dx = half * rule.x[k];
        sum += rule.w[k] * PairOfSpeeds(speed, mid - dx, mid + dx);
    }
    return sum * half;
}

// A root of z(t) that the integrand feels: re ± i·im (im ≥ 0).
struct Root {
    double re, im;
};

// A root so near the real axis inside [0, 1] that the speed there is |t − re| to within
// a length error far below a micro-point, once the integral is split at re.
constexpr double kRealRoot = 1e-9;
// Roots nearer the real axis than this (relative to the whole parameter range) split the
// integral at their real part.
constexpr double kSplitRoot = 0.1;
// Rules of this many nodes or fewer are used as they are for a stretch of their piece.
constexpr int kWorthChoosing = 8;
// Halvings of a piece before its largest rule is taken as it is.
constexpr int kMaxDepth = 60;

struct Integrand {
    Speed speed;
    std::array<Root, 2> roots{};
    int rootCount = 0;
    std::array<double, 2> splits{};
    int splitCount = 0;

    explicit Integrand(const Cubic& c) : speed(c) { FindRoots(); }

    void AddRoot(double re, double im) {
        if (!std::isfinite(re) || !std::isfinite(im)) return;
        const Root root{re, std::fabs(im)};
        const bool inside = root.re >= 0 && root.re <= 1;
        if (inside && root.im < kSplitRoot && root.re > 0 && root.re < 1)
            splits[static_cast<std::size_t>(splitCount++)] = root.re;
        // A real root inside the range only bends the speed at a split: no singularity.
        if (inside && root.im <= kRealRoot) return;
        roots[static_cast<std::size_t>(rootCount++)] = root;
    }

    // The roots of z(t) = a t² + b t + c in complex arithmetic written out (the library's
    // complex division guards against overflow at a cost this hot path does not need).
    void FindRoots() {
        const double ar = speed.ax, ai = speed.ay, br = speed.bx, bi = speed.by;
        const double cr = speed.cx, ci = speed.cy;
        if (ar == 0 && ai == 0 && br == 0 && bi == 0) return;  // constant speed
        // root = sqrt(b² − 4ac)
        const double dr = br * br - bi * bi - 4 * (ar * cr - ai * ci);
        const double di = 2 * br * bi - 4 * (ar * ci + ai * cr);
        const double modulus = std::sqrt(dr * dr + di * di);
        double sr, si;
        if (dr >= 0) {
            sr = std::sqrt(0.5 * (modulus + dr));
            si = sr > 0 ? di / (2 * sr) : 0;
        } else {
            si = std::copysign(std::sqrt(0.5 * (modulus - dr)), di);
            sr = di / (2 * si);
        }
        // q = −(b ± root)/2 without cancellation; the roots are q/a and c/q.
        const double sign = br * sr + bi * si >= 0 ? 1 : -1;
        const double qr = -0.5 * (br + sign * sr), qi = -0.5 * (bi + sign * si);
        const double q2 = qr * qr + qi * qi;
        if (q2 == 0) {
            AddRoot(0, 0);  // z = a t²
            AddRoot(0, 0);
        } else {
            const double a2 = ar * ar + ai * ai;
            if (a2 != 0) AddRoot((qr * ar + qi * ai) / a2, (qi * ar - qr * ai) / a2);
            AddRoot((cr * qr + ci * qi) / q2, (ci * qr - cr * qi) / q2);
        }
        if (splitCount == 2 && splits[0] > splits[1]) std::swap(splits[0], splits[1]);
    }

    // The semi-axis sum of the largest Bernstein ellipse of [t0, t1] within which the
    // speed is analytic, and the root that limits it (−1: none).
    double Axis(double t0, double t1, int* limiting) const {
        const double mid = 0.5 * (t0 + t1), scale = 2 / (t1 - t0);
        double axis = HUGE_VAL;
        *limiting = -1;
        for (int i = 0; i < rootCount; ++i) {
            const Root& r = roots[static_cast<std::size_t>(i)];
            const double wr = (r.re - mid) * scale, wi = r.im * scale;
            const double a =
                0.5 * SumOfRoots((wr - 1) * (wr - 1) + wi * wi, (wr + 1) * (wr + 1) + wi * wi);
            if (a < axis) {
                axis = a;
                *limiting = i;
            }
        }
        return axis;
    }

    // Where to cut a piece too near a root: at the root's real part when it lies well
    // inside, else twice the root's distance from the nearer end (a graded cut), else in
    // the middle.
    double Cut(double t0, double t1, const Root& r) const {
        const double length = t1 - t0, margin = 0.05 * length;
        if (r.re > t0 + margin && r.re < t1 - margin) return r.re;
        const bool nearStart = std::fabs(r.re - t0) <= std::fabs(r.re - t1);
        const double end = nearStart ? t0 : t1;
        const double reach = 2 * std::sqrt((r.re - end) * (r.re - end) + r.im * r.im);
        if (reach >= 0.5 * length) return 0.5 * (t0 + t1);
        return nearStart ? t0 + reach : t1 - reach;
    }

    template <class Visit>
    void Pieces(double t0, double t1, int depth, Visit&& visit) const {
        int limiting = -1;
        const double axis = Axis(t0, t1, &limiting);
        int order = 0;
        while (order < kOrderCount && axis < AxisThresholds()[static_cast<std::size_t>(order)])
            ++order;
        if (order == kOrderCount && depth < kMaxDepth) {
            const double cut = Cut(t0, t1, roots[static_cast<std::size_t>(limiting)]);
            Pieces(t0, cut, depth + 1, visit);
            Pieces(cut, t1, depth + 1, visit);
            return;
        }
        visit(t0, t1, Rules()[static_cast<std::size_t>(std::min(order, kOrderCount - 1))]);
    }

    // Every piece of [0, t], split at the near-cusps first.
    template <class Visit>
    void AllPieces(double t, Visit&& visit) const {
        double from = 0;
        for (int i = 0; i < splitCount; ++i) {
            const double at = splits[static_cast<std::size_t>(i)];
            if (at <= from || at >= t) continue;
            Pieces(from, at, 0, visit);
            from = at;
        }
        if (t > from) Pieces(from, t, 0, visit);
    }

    // The signed length from a to b, both inside one piece whose rule is `most`: the
    // smallest rule that suits the stretch, which is a small one for a short stretch.
    double Stretch(double a, double b, const Rule& most) const {
        if (a == b) return 0;
        // Choosing costs about as much as the smallest rules: not worth it below.
        if (most.nodes <= kWorthChoosing) return Apply(most, speed, a, b);
        int limiting = -1;
        const double axis = Axis(std::min(a, b), std::max(a, b), &limiting);
        int order = 0;
        while (order < kOrderCount && axis < AxisThresholds()[static_cast<std::size_t>(order)] &&
               Rules()[static_cast<std::size_t>(order)].nodes < most.nodes)
            ++order;
        return Apply(Rules()[static_cast<std::size_t>(order)], speed, a, b);
    }
};

}  // namespace

double LengthTo(const Cubic& c, double t) {
    if (!(t > 0)) return 0;
    t = std::min(t, 1.0);
    const Integrand f(c);
    double sum = 0;
    f.AllPieces(
        t, [&](double t0, double t1, const Rule& rule) { sum += Apply(rule, f.speed, t0, t1); });
    return sum;
}

double Length(const Cubic& c) {
    return LengthTo(c, 1);
}

std::vector<LengthPiece> LengthPieces(const Cubic& c, double t) {
    std::vector<LengthPiece> pieces;
    if (!(t > 0)) return pieces;
    t = std::min(t, 1.0);
    const Integrand f(c);
    f.AllPieces(t, [&](double t0, double t1, const Rule& rule) {
        pieces.push_back({t0, t1, Apply(rule, f.speed, t0, t1), rule.nodes});
    });
    return pieces;
}

double PieceLength(const Cubic& c, double t0, double t1, int nodes) {
    for (const Rule& rule : Rules())
        if (rule.nodes >= nodes) return Apply(rule, Speed(c), t0, t1);
    return Apply(Rules().back(), Speed(c), t0, t1);
}

// A Newton step from an error this small (relative to the piece) is the last one.
constexpr double kLastStep = 1e-7;

double TAtLength(const Cubic& c, double s, double) {
    if (!(s > 0)) return 0;
    const Integrand f(c);
    // The piece holding the length s (the last one when s is beyond the curve), found
    // without keeping the pieces.
    struct Held {
        double t0 = 0, t1 = 1, length = 0, before = 0;
        const Rule* rule = nullptr;
    } piece;
    double before = 0;
    bool found = false;
    f.AllPieces(1, [&](double t0, double t1, const Rule& rule) {
        if (found) return;
        const double length = Apply(rule, f.speed, t0, t1);
        piece = {t0, t1, length, before, &rule};
        if (before + length < s)
            before += length;
        else
            found = true;
    });
    if (!piece.rule) return 1;
    const double target = s - piece.before;
    if (target >= piece.length) return piece.t1;
    // Newton on the length within the piece, kept inside a shrinking bracket. The length
    // is carried from one estimate to the next: each step integrates only the stretch
    // between them, with the smallest rule the stretch needs (never more than the
    // piece's).
    double lo = piece.t0, hi = piece.t1;
    const bool fromEnd = target > 0.5 * piece.length;
    double known = fromEnd ? piece.t1 : piece.t0, lengthToKnown = fromEnd ? piece.length : 0;
    double t = piece.t0 + (piece.t1 - piece.t0) * (target / piece.length);
    for (int iteration = 0; iteration < 60; ++iteration) {
        const double lengthToT = lengthToKnown + f.Stretch(known, t, *piece.rule);
        const double error = lengthToT - target;
        if (std::fabs(error) <= 1e-13 * std::max(1.0, piece.length)) break;
        (error > 0 ? hi : lo) = t;
        known = t;
        lengthToKnown = lengthToT;
        const double v = f.speed(t);
        double next = v > 0 ? t - error / v : 0.5 * (lo + hi);
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (next == t) break;
        // Newton's error squares at each step: from this near, the step lands well within
        // 1e-8 point without the length being measured once more.
        const bool last =
            std::fabs(error) <= kLastStep * std::max(1.0, piece.length) && next == t - error / v;
        t = next;
        if (last) break;
    }
    return t;
}

}  // namespace host::geom
