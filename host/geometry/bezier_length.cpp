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
};

// The length's Taylor series from a parameter t, v (δ + c2 δ² + c3 δ³ + c4 δ⁴ + …), v
// the speed at t. It comes from v² = q, a quartic: with q(t + δ) = q (1 + w) and
// w = a1 δ + a2 δ² + a3 δ³ + …, v(t + δ) = v (1 + w/2 − w²/8 + w³/16 − …). Only 1/q and √q
// are needed, and neither waits for the other.
struct LengthSeries {
    double v = 0, inverse = 0, c2 = 0, c3 = 0, c4 = 0;  // inverse = 1/v

    LengthSeries(const Speed& s, double t) {
        const double x = (s.ax * t + s.bx) * t + s.cx, y = (s.ay * t + s.by) * t + s.cy;
        const double x1 = 2 * s.ax * t + s.bx, y1 = 2 * s.ay * t + s.by;
        const double q = x * x + y * y;
        v = std::sqrt(q);
        if (!(v > 0)) return;
        const double r = 1 / q;
        inverse = v * r;
        const double a1 = 2 * (x * x1 + y * y1) * r;
        const double a2 = (x1 * x1 + y1 * y1 + 2 * (x * s.ax + y * s.ay)) * r;
        const double a3 = 2 * (x1 * s.ax + y1 * s.ay) * r;
        c2 = 0.25 * a1;
        c3 = (1.0 / 3) * (0.5 * a2 - 0.125 * a1 * a1);
        c4 = 0.25 * (0.5 * a3 - 0.25 * a1 * a2 + 0.0625 * a1 * a1 * a1);
    }
};

// Gauss–Legendre rules: the positive nodes on [−1, 1] and their weights (a zero node,
// for odd orders, is not used: every order here is even).
struct Rule {
    int nodes;
    std::array<double, 12> x, w;
    // How far, relatively, the 4-node length of a piece that needs this rule may lie from
    // its length: a rough bound, used only to guess.
    double slack;
};

Rule MakeRule(int n) {
    Rule rule{n, {}, {}, 0};
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
        for (int i = 0; i < kOrderCount; ++i) {
            Rule& rule = made[static_cast<std::size_t>(i)];
            rule = MakeRule(kOrders[i]);
            // The 4-node error falls like ρ^(−8), and ρ ≥ e^(kDigits/n) for this rule.
            rule.slack = 10 * std::exp(-8 * kDigits / kOrders[i]);
        }
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

// √a and √b, taken at once where SSE2 allows it: the integration's inner loops are made
// of such pairs.
void BothRoots(double a, double b, double* ra, double* rb) {
#if defined(__SSE2__)
    double both[2];
    _mm_storeu_pd(both, _mm_sqrt_pd(_mm_set_pd(b, a)));
    *ra = both[0];
    *rb = both[1];
#else
    *ra = std::sqrt(a);
    *rb = std::sqrt(b);
#endif
}

// √a + √b.
double SumOfRoots(double a, double b) {
    double ra, rb;
    BothRoots(a, b, &ra, &rb);
    return ra + rb;
}

// The speeds at two parameters, and their sum.
void TwoSpeeds(const Speed& s, double left, double right, double* vl, double* vr) {
    const double xl = (s.ax * left + s.bx) * left + s.cx, yl = (s.ay * left + s.by) * left + s.cy;
    const double xr = (s.ax * right + s.bx) * right + s.cx,
                 yr = (s.ay * right + s.by) * right + s.cy;
    BothRoots(xl * xl + yl * yl, xr * xr + yr * yr, vl, vr);
}

double PairOfSpeeds(const Speed& s, double left, double right) {
    double vl, vr;
    TwoSpeeds(s, left, right, &vl, &vr);
    return vl + vr;
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

// The solution x of x + c2 x² + c3 x³ + c4 x⁴ = u, to the fourth power of u:
// x = u − c2 u² + (2c2² − c3) u³ + (5 c2 c3 − 5 c2³ − c4) u⁴, its powers paired so that
// few operations wait on each other.
double InverseSeries(double u, double c2, double c3, double c4) {
    const double u2 = u * u;
    const double low = -c2 + u * (2 * c2 * c2 - c3), high = 5 * c2 * (c3 - c2 * c2) - c4;
    return u + u2 * (low + u2 * high);
}

// The speed over a piece [mid − half, mid + half] as the cubic through its values at the
// 4 Gauss–Legendre nodes, p(x) for x in [−1, 1]: its integral is the piece's 4-node
// length, and its running integral a cheap map from length to parameter.
struct Sketch {
    double mid = 0, half = 0, length = 0;
    // The running integral from −1, k0 + k1 x + … + k4 x⁴, in length.
    double k0 = 0, k1 = 0, k2 = 0, k3 = 0, k4 = 0;

    Sketch(const Rule& four, const Speed& speed, double t0, double t1)
        : mid(0.5 * (t0 + t1)), half(0.5 * (t1 - t0)) {
        const double a = four.x[0], b = four.x[1];
        double am, ap, bm, bp;
        TwoSpeeds(speed, mid - half * a, mid + half * a, &am, &ap);
        TwoSpeeds(speed, mid - half * b, mid + half * b, &bm, &bp);
        // The same sum as the 4-node rule makes.
        length = (four.w[0] * (am + ap) + four.w[1] * (bm + bp)) * half;
        // p(x) = m0 + m1 x + m2 x² + m3 x³ from its even and odd parts, each through two
        // nodes. The nodes ±a (the outer ones) and ±b: a² and b² are 3/7 ± (2/7)√(6/5).
        constexpr double a2 = 0.7415557471458092, b2 = 0.11558710999704797;
        constexpr double overGap = 1 / (b2 - a2);
        constexpr double overA = 0.5 / 0.8611363115940526, overB = 0.5 / 0.3399810435848563;
        // m0 = (am + ap)/2 − m2 a², written out so that it waits on fewer operations.
        constexpr double fromA = 0.5 + 0.5 * a2 * overGap, fromB = -0.5 * a2 * overGap;
        const double evenA = am + ap, evenB = bm + bp;
        const double m2 = 0.5 * overGap * (evenB - evenA);
        const double m0 = fromA * evenA + fromB * evenB;
        const double oddA = (ap - am) * overA;
        const double m3 = ((bp - bm) * overB - oddA) * overGap;
        const double m1 = oddA - m3 * a2;
        k1 = half * m0;
        k2 = half * 0.5 * m1;
        k3 = half * (1.0 / 3) * m2;
        k4 = half * 0.25 * m3;
        k0 = k1 - k2 + k3 - k4;
    }

    // The parameter where the running integral reaches s, to the sketch's own accuracy:
    // the running integral's series about the middle, k0 + k1 (x + b2 x² + b3 x³ + b4 x⁴),
    // inverted as a series (one division, no iteration).
    double Parameter(double s) const {
        if (!(k1 > 0)) return mid;
        const double over = 1 / k1, b2 = k2 * over, b3 = k3 * over, b4 = k4 * over;
        const double u = (s - k0) * over;
        const double x = InverseSeries(u, b2, b3, b4);
        return mid + half * std::min(1.0, std::max(-1.0, x));
    }
};

// The step δ from the parameter of `series` over which the length grows by `rise`: the
// series inverted as a series. The speed is analytic in the disc of radius R (the nearest
// root of z, `nearest2` = R²), where it is at most 2.25 times v within R/2 (each root's
// factor |t − r| grows by at most half); so the rest of the length's series is at most
// 2.25 v |δ| ρ⁴ / (5 (1 − ρ)) with ρ = 2|δ|/R. True when that and the inversion's residue
// together are within `tolerance`: the step is then the last one. A step beyond a
// sixteenth of R is Newton's, rise / v: the inverted series is not to be trusted there.
bool SeriesStep(const LengthSeries& series, double rise, double nearest2, double tolerance,
                double* step) {
    const double u = rise * series.inverse;
    *step = u;
    if (!(series.v > 0) || !(256 * u * u <= nearest2)) return false;
    const double c2 = series.c2, c3 = series.c3, c4 = series.c4;
    const double d = InverseSeries(u, c2, c3, c4);
    *step = d;
    const double residue = d * (1 + d * (c2 + d * (c3 + d * c4))) - u;
    const double rho2 = 4 * d * d / nearest2;  // 0 when no root: the series ends
    // With ρ ≤ 1/2, 2.25 / (5 (1 − ρ)) ≤ 0.9.
    return rho2 <= 0.25 &&
           series.v * (std::fabs(residue) + 0.9 * std::fabs(d) * rho2 * rho2) <= tolerance;
}

// Where the length sought lies in a piece: the parameter, or the piece's length when the
// length sought lies beyond it.
struct Reach {
    bool inside;
    double t, length;
};

// The last step's bound on the length error, relative to the piece's length (and absolute
// below a point).
constexpr double kSeriesTolerance = 1e-12;

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
    // Every root, real ones inside included: the speed's Taylor series reach.
    std::array<Root, 2> zeros{};
    int zeroCount = 0;

    explicit Integrand(const Cubic& c) : speed(c) { FindRoots(); }

    void AddRoot(double re, double im) {
        if (!std::isfinite(re) || !std::isfinite(im)) return;
        const Root root{re, std::fabs(im)};
        zeros[static_cast<std::size_t>(zeroCount++)] = root;
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

    // The square of the distance from t to the nearest root (infinite when there is none).
    double Nearest2(double t) const {
        double nearest = HUGE_VAL;
        for (int i = 0; i < zeroCount; ++i) {
            const Root& r = zeros[static_cast<std::size_t>(i)];
            nearest = std::min(nearest, (t - r.re) * (t - r.re) + r.im * r.im);
        }
        return nearest;
    }

    // The parameter in the piece [t0, t1] (rule `rule`) where the length from the curve's
    // start reaches s, the pieces before it measuring `before` (`whole`: the sketch of
    // [0, 1]). The 4-node sketch of the piece gives the first estimate, and its length tells
    // whether the piece's own length is worth measuring first (only when s may lie near or
    // past its end). Then Newton, kept inside a shrinking bracket, each step integrating
    // only the stretch from the last estimate, until the length's series shows that the
    // step just taken lands within reach.
    Reach Find(double t0, double t1, const Rule& rule, double s, double before,
               const Sketch& whole) const {
        const double target = s - before;
        if (!(target > 0)) return {true, t0, 0};
        const Rule& four = Rules()[0];
        const Sketch sketch = t0 == 0 && t1 == 1 ? whole : Sketch(four, speed, t0, t1);
        double length = -1;  // not measured
        if (rule.nodes == four.nodes)
            length = sketch.length;
        else if (target >= sketch.length * (1 - rule.slack))
            length = Apply(rule, speed, t0, t1);
        // Compared as the whole length adds up, so that the curve's length gives t = 1.
        if (length >= 0 && before + length <= s) return {false, t1, length};
        bool bounded = length >= 0;  // the length sought is known to end before hi
        const double size = std::max(1.0, bounded ? length : sketch.length);
        const double tolerance = kSeriesTolerance * size;
        const bool fromEnd = bounded && target > 0.5 * length;
        double known = fromEnd ? t1 : t0, lengthToKnown = fromEnd ? length : 0;
        double lo = t0, hi = t1;
        double t =
            sketch.Parameter(bounded && length > 0 ? target * sketch.length / length : target);
        if (!(t > lo && t < hi)) t = 0.5 * (lo + hi);
        double reach2 = 0;  // the nearest root's squared distance from `known`
        for (int iteration = 0; iteration < 60; ++iteration) {
            // The speed's series at t does not wait for the integral.
            const LengthSeries series(speed, t);
            const double nearest2 = Nearest2(t);
            // The first stretch, up to the whole piece, takes the piece's own rule: a
            // smaller one that suits it would lose the digits that the series keeps. A
            // stretch within a sixteenth of the nearest root from its start takes 4 nodes:
            // its Bernstein ellipse is then wide enough for them.
            const double stretch = iteration == 0 ? Apply(rule, speed, known, t)
                                   : 256 * (t - known) * (t - known) <= reach2
                                       ? Apply(four, speed, known, t)
                                       : Stretch(known, t, rule);
            const double lengthToT = lengthToKnown + stretch;
            const double error = lengthToT - target;
            if (std::fabs(error) <= 1e-13 * size) break;
            if (error > 0) {
                hi = t;
                bounded = true;
            } else {
                lo = t;
            }
            known = t;
            lengthToKnown = lengthToT;
            reach2 = nearest2;
            double step = 0;
            bool last = SeriesStep(series, -error, nearest2, tolerance, &step);
            double next = t + step;
            if (!(next > lo && next < hi)) {
                last = false;
                if (!bounded) {
                    // The piece may end before the target: measure the rest of it.
                    const double all = lengthToT + Apply(rule, speed, t, t1);
                    if (before + all <= s) return {false, t1, all};
                    bounded = true;
                }
                if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
            }
            if (next == t) break;
            t = next;
            if (last) break;
        }
        return {true, t, 0};
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

double TAtLength(const Cubic& c, double s) {
    if (!(s > 0)) return 0;
    // Most curves are one piece: their sketch is taken while the roots are found.
    const Sketch whole(Rules()[0], Speed(c), 0, 1);
    const Integrand f(c);
    // The pieces in turn until the one holding s; 1 when s is at or beyond the curve's end.
    double before = 0, t = 1;
    bool found = false;
    f.AllPieces(1, [&](double t0, double t1, const Rule& rule) {
        if (found) return;
        const Reach reach = f.Find(t0, t1, rule, s, before, whole);
        if (reach.inside) {
            t = reach.t;
            found = true;
        } else {
            before += reach.length;
        }
    });
    return t;
}

}  // namespace host::geom
