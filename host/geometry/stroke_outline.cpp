#include "host/geometry/stroke_outline.h"

#include <algorithm>
#include <cmath>

#include "host/geometry/bezier.h"

namespace host::geom {

namespace {

constexpr double kOffsetTolerance = 0.05;  // points between a side and its cubics
constexpr int kMaxOffsetDepth = 8;
constexpr int kCurvatureSamples = 64;    // per segment, to find tight bends
constexpr double kSameDirection = 1e-9;  // radians: no join needed

Vec Add(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
Vec Sub(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
Vec Scale(Vec a, double k) {
    return {a.x * k, a.y * k};
}
double Norm(Vec a) {
    return std::hypot(a.x, a.y);
}
Vec Unit(Vec a) {
    const double n = Norm(a);
    return n > 0 ? Scale(a, 1 / n) : Vec{1, 0};
}
Vec Left(Vec a) {
    return {-a.y, a.x};
}  // a turned a quarter counter-clockwise
double CrossZ(Vec a, Vec b) {
    return a.x * b.y - a.y * b.x;
}

// Signed curvature at t: positive where the path turns left.
double Curvature(const Cubic& c, double t) {
    const Vec d1 = Derivative(c, t);
    const double u = 1 - t;
    const Vec d2{6 * (u * (c.p2.x - 2 * c.p1.x + c.p0.x) + t * (c.p3.x - 2 * c.p2.x + c.p1.x)),
                 6 * (u * (c.p2.y - 2 * c.p1.y + c.p0.y) + t * (c.p3.y - 2 * c.p2.y + c.p1.y))};
    const double speed = Norm(d1);
    return speed > 0 ? CrossZ(d1, d2) / (speed * speed * speed) : 0;
}

// The closed loop being built, as cubic pieces end to end.
using Loop = std::vector<Cubic>;

void LineTo(Loop& loop, Vec from, Vec to) {
    if (from.x == to.x && from.y == to.y) return;
    loop.push_back({from, from, to, to});
}

// An arc of the circle around `centre` from `from` to `to`, turning by `sweep` radians
// (positive counter-clockwise), in quarter turns at most.
void ArcTo(Loop& loop, Vec centre, Vec from, double sweep) {
    const int parts =
        std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (M_PI / 2) - 1e-9)));
    const double step = sweep / parts, radius = Norm(Sub(from, centre));
    const double k = 4.0 / 3.0 * std::tan(step / 4) * radius;
    double angle = std::atan2(from.y - centre.y, from.x - centre.x);
    Vec at = from;
    for (int i = 0; i < parts; ++i) {
        const double next = angle + step;
        const Vec end = Add(centre, {radius * std::cos(next), radius * std::sin(next)});
        const Vec d0{-std::sin(angle), std::cos(angle)}, d1{-std::sin(next), std::cos(next)};
        loop.push_back({at, Add(at, Scale(d0, k)), Sub(end, Scale(d1, k)), end});
        at = end;
        angle = next;
    }
}

// The part of c over [t0, t1].
Cubic Part(const Cubic& c, double t0, double t1) {
    Cubic head, part;
    Split(c, t1, &head, nullptr);
    if (t0 <= 0) return head;
    Split(head, t0 / t1, nullptr, &part);
    return part;
}

struct Sides {
    const StrokeShape& shape;
    double half;

    Vec Offset(const Cubic& c, double t, double side) const {
        return Add(Evaluate(c, t), Scale(Left(Unit(TangentVector(c, t))), side * half));
    }

    // The side of piece [t0, t1] of c, at `side` (+1 left, −1 right) times half the width.
    void OffsetPiece(Loop& loop, const Cubic& c, double t0, double t1, double side,
                     int depth) const {
        const Cubic piece = Part(c, t0, t1);
        const Vec a = Offset(c, t0, side), b = Offset(c, t1, side);
        const double k0 = 1 - side * half * Curvature(c, t0),
                     k1 = 1 - side * half * Curvature(c, t1);
        const Cubic guess{a, Add(a, Scale(Sub(piece.p1, piece.p0), std::max(k0, 0.0))),
                          Add(b, Scale(Sub(piece.p2, piece.p3), std::max(k1, 0.0))), b};
        double error = 0;
        for (double u : {0.25, 0.5, 0.75})
            error =
                std::max(error, Norm(Sub(Evaluate(guess, u), Offset(c, t0 + u * (t1 - t0), side))));
        if (error <= kOffsetTolerance || depth >= kMaxOffsetDepth) {
            loop.push_back(guess);
            return;
        }
        const double mid = 0.5 * (t0 + t1);
        OffsetPiece(loop, c, t0, mid, side, depth + 1);
        OffsetPiece(loop, c, mid, t1, side, depth + 1);
    }

    // The join at a corner from direction `in` to direction `out` around `pivot`, on
    // `side`, from the end of the last piece to the start of the next side.
    void Join(Loop& loop, Vec pivot, Vec in, Vec out, double side) const {
        const double turn = std::atan2(CrossZ(in, out), in.x * out.x + in.y * out.y);
        if (std::fabs(turn) < kSameDirection) return;
        const Vec from = Add(pivot, Scale(Left(in), side * half));
        const Vec to = Add(pivot, Scale(Left(out), side * half));
        if (turn * side > 0) {  // the inner side of the bend: through the pivot
            LineTo(loop, from, pivot);
            LineTo(loop, pivot, to);
            return;
        }
        if (shape.join == kAIRoundJoin) return ArcTo(loop, pivot, from, turn);
        const double miter = 1 / std::cos(turn / 2);  // miter length over the width
        if (shape.join == kAIMiterJoin && std::fabs(miter) <= shape.miterLimit) {
            const Vec tip =
                Add(pivot, Scale(Unit(Add(Left(in), Left(out))), side * half * std::fabs(miter)));
            LineTo(loop, from, tip);
            LineTo(loop, tip, to);
            return;
        }
        LineTo(loop, from, to);
    }

    // The cap at an end `at`, going from the side on `fromSide` round to the other;
    // `outward` points away from the path.
    void Cap(Loop& loop, Vec at, Vec outward, Vec from) const {
        const Vec to = Add(at, Sub(at, from));
        if (shape.cap == kAIRoundCap)
            return ArcTo(loop, at, from, CrossZ(Sub(from, at), outward) < 0 ? -M_PI : M_PI);
        if (shape.cap == kAIProjectingCap) {
            const Vec reach = Scale(outward, half);
            LineTo(loop, from, Add(from, reach));
            LineTo(loop, Add(from, reach), Add(to, reach));
            LineTo(loop, Add(to, reach), to);
            return;
        }
        LineTo(loop, from, to);
    }

    // One side along the cubics, forwards (+1, left) or backwards (−1, right).
    void Side(Loop& loop, const std::vector<Cubic>& run, double side, bool closed) const {
        const int n = static_cast<int>(run.size());
        for (int k = 0; k < n; ++k) {
            const int i = side > 0 ? k : n - 1 - k;
            const Cubic c = side > 0 ? run[static_cast<std::size_t>(i)]
                                     : Cubic{run[static_cast<std::size_t>(i)].p3,
                                             run[static_cast<std::size_t>(i)].p2,
                                             run[static_cast<std::size_t>(i)].p1,
                                             run[static_cast<std::size_t>(i)].p0};
            OffsetPiece(loop, c, 0, 1, 1, 0);
            if (k + 1 < n || closed) {
                const Cubic& next = side > 0 ? run[static_cast<std::size_t>((i + 1) % n)]
                                             : run[static_cast<std::size_t>((i - 1 + n) % n)];
                const Cubic nextWay = side > 0 ? next : Cubic{next.p3, next.p2, next.p1, next.p0};
                Join(loop, c.p3, Unit(TangentVector(c, 1)), Unit(TangentVector(nextWay, 0)), 1);
            }
        }
    }
};

bool IsPoint(const Cubic& c) {
    return c.p0.x == c.p1.x && c.p0.x == c.p2.x && c.p0.x == c.p3.x && c.p0.y == c.p1.y &&
           c.p0.y == c.p2.y && c.p0.y == c.p3.y;
}

// The anchors of a closed loop of pieces: anchor j starts piece j.
Outline Anchors(const Loop& loop) {
    Outline out;
    const std::size_t n = loop.size();
    auto point = [](Vec v) {
        return AIRealPoint{static_cast<float>(v.x), static_cast<float>(v.y)};
    };
    for (std::size_t j = 0; j < n; ++j) {
        const Cubic& before = loop[(j + n - 1) % n];
        const Cubic& piece = loop[j];
        const bool smooth = std::fabs(CrossZ(Unit(Sub(before.p3, before.p2)),
                                             Unit(Sub(piece.p1, piece.p0)))) < 1e-6;
        out.push_back({point(piece.p0), point(before.p2), point(piece.p1), !smooth});
    }
    return out;
}

// Where c bends tighter than half the width: the tightest sample of each such stretch.
std::vector<double> TightestPoints(const Cubic& c, double half) {
    std::vector<double> cuts;
    double tightest = 0, at = -1;
    for (int k = 0; k <= kCurvatureSamples; ++k) {
        const double t = static_cast<double>(k) / kCurvatureSamples;
        const double bend = std::fabs(Curvature(c, t)) * half;
        if (bend > 1) {
            if (bend > tightest) {
                tightest = bend;
                at = t;
            }
        } else if (at >= 0) {
            cuts.push_back(at);
            tightest = 0;
            at = -1;
        }
    }
    if (at >= 0) cuts.push_back(at);
    return cuts;
}

// Cuts the run of cubics at the tightest point of every bend tighter than half the
// width; the runs between the cuts.
std::vector<std::vector<Cubic>> CutAtTightBends(const std::vector<Cubic>& run, double half) {
    std::vector<std::vector<Cubic>> runs(1);
    auto cutHere = [&] {
        if (!runs.back().empty()) runs.emplace_back();
    };
    for (const Cubic& c : run) {
        double from = 0;
        bool cutAfter = false;
        for (double cut : TightestPoints(c, half)) {
            if (cut <= 0) {
                cutHere();
            } else if (cut >= 1) {
                cutAfter = true;
            } else if (cut > from) {
                runs.back().push_back(Part(c, from, cut));
                runs.emplace_back();
                from = cut;
            }
        }
        runs.back().push_back(from > 0 ? Part(c, from, 1) : c);
        if (cutAfter) cutHere();
    }
    if (runs.back().empty()) runs.pop_back();
    return runs;
}

// The outline of an open run starts where the right side comes back to the first end:
// the cap there, the left side forwards, the cap at the last end, the right side back.
// Whoever walks the outline from its first anchor meets the first end's cap first.
Loop OpenOutline(const Sides& sides, const std::vector<Cubic>& run) {
    Loop loop;
    const Cubic& first = run.front();
    const Vec startOut = Scale(Unit(TangentVector(first, 0)), -1);
    const Vec rightEnd = sides.Offset(first, 0, -1);
    sides.Cap(loop, first.p0, startOut, rightEnd);
    sides.Side(loop, run, 1, false);
    const Cubic& last = run.back();
    sides.Cap(loop, last.p3, Unit(TangentVector(last, 1)), loop.back().p3);
    sides.Side(loop, run, -1, false);
    return loop;
}

}  // namespace

std::vector<Outline> OutlineStroke(const std::vector<AIPathSegment>& segments, bool closed,
                                   const StrokeShape& shape) {
    std::vector<Outline> outlines;
    if (!(shape.width > 0) || segments.size() < 2) return outlines;
    for (const AIPathSegment& s : segments)
        if (!std::isfinite(s.p.h) || !std::isfinite(s.p.v) || !std::isfinite(s.in.h) ||
            !std::isfinite(s.in.v) || !std::isfinite(s.out.h) || !std::isfinite(s.out.v))
            return outlines;
    std::vector<Cubic> run;
    for (int i = 0; i < SegmentCount(segments, closed); ++i) {
        const Cubic c = SegmentCubic(segments, i);
        if (!IsPoint(c)) run.push_back(c);
    }
    if (run.empty()) return outlines;
    const Sides sides{shape, shape.width / 2};
    const auto runs = CutAtTightBends(run, sides.half);
    if (closed && runs.size() == 1) {
        Loop outer, inner;
        sides.Side(outer, run, 1, true);
        sides.Side(inner, run, -1, true);
        outlines.push_back(Anchors(outer));
        outlines.push_back(Anchors(inner));
        return outlines;
    }
    for (const auto& stretch : runs)
        if (!stretch.empty()) outlines.push_back(Anchors(OpenOutline(sides, stretch)));
    return outlines;
}

}  // namespace host::geom
