#include "host/svg/svg_outline.h"

#include <algorithm>
#include <cmath>

namespace host::svg {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Relative distance under which two points written in a file are taken as one.
constexpr double kSamePointRelative = 1e-9;

double VectorAngle(Point u, Point v) {
    return std::atan2(u.x * v.y - u.y * v.x, u.x * v.x + u.y * v.y);
}

struct ArcCentre {
    Point centre;
    double rx, ry, startAngle, sweep;
};

// Centre parameterisation of an endpoint arc (radii already non-zero).
ArcCentre CentreOfArc(Point from, Point to, double rx, double ry, double cosPhi, double sinPhi,
                      bool largeArc, bool sweepFlag) {
    double hx = (from.x - to.x) / 2, hy = (from.y - to.y) / 2;
    double x1 = cosPhi * hx + sinPhi * hy, y1 = -sinPhi * hx + cosPhi * hy;
    // Radii too small to reach are scaled up until they do (hypot keeps tiny radii exact).
    double scale = std::hypot(x1 / rx, y1 / ry);
    if (scale > 1) rx *= scale, ry *= scale;
    double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    double denominator = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double coefficient = denominator > 0 ? std::sqrt(std::max(0.0, numerator / denominator)) : 0;
    if (largeArc == sweepFlag) coefficient = -coefficient;
    double cx1 = coefficient * rx * y1 / ry, cy1 = -coefficient * ry * x1 / rx;
    Point centre{cosPhi * cx1 - sinPhi * cy1 + (from.x + to.x) / 2,
                 sinPhi * cx1 + cosPhi * cy1 + (from.y + to.y) / 2};
    Point u{(x1 - cx1) / rx, (y1 - cy1) / ry}, v{(-x1 - cx1) / rx, (-y1 - cy1) / ry};
    double start = VectorAngle({1, 0}, u);
    double sweep = VectorAngle(u, v);
    if (!sweepFlag && sweep > 0) sweep -= 2 * kPi;
    if (sweepFlag && sweep < 0) sweep += 2 * kPi;
    return {centre, rx, ry, start, sweep};
}

}  // namespace

int ArcPieceCount(double sweepRadians) {
    double sweep = std::fabs(sweepRadians);
    if (!std::isfinite(sweep)) return 1;
    return std::max(1, static_cast<int>(std::ceil(sweep / (kPi / 2) - 1e-12)));
}

bool SamePoint(Point a, Point b) {
    double scale = 1 + std::max({std::fabs(a.x), std::fabs(a.y), std::fabs(b.x), std::fabs(b.y)});
    return std::fabs(a.x - b.x) <= kSamePointRelative * scale &&
           std::fabs(a.y - b.y) <= kSamePointRelative * scale;
}

void OutlineBuilder::MoveTo(Point p) {
    if (full()) return;
    ++anchorCount_;
    outline_.push_back(Contour{{}, false});
    // Most contours have a few anchors: room for them at once rather than by doubling.
    constexpr std::size_t kUsualAnchors = 16;
    outline_.back().nodes.reserve(kUsualAnchors);
    outline_.back().nodes.push_back(Node{p, p, p});
    current_ = start_ = p;
    open_ = true;
}

// A drawing command after "Z" starts a new contour at the closed contour's start.
void OutlineBuilder::EnsureContour() {
    if (!open_) MoveTo(start_);
}

void OutlineBuilder::LineTo(Point p) {
    EnsureContour();
    if (full()) return;
    ++anchorCount_;
    outline_.back().nodes.push_back(Node{p, p, p});
    current_ = p;
}

void OutlineBuilder::CubicTo(Point c1, Point c2, Point p) {
    EnsureContour();
    if (full()) return;
    ++anchorCount_;
    Last().out = c1;
    outline_.back().nodes.push_back(Node{p, c2, p});
    current_ = p;
}

void OutlineBuilder::QuadTo(Point c, Point p) {
    Point from = current_;
    Point c1{from.x + 2.0 / 3.0 * (c.x - from.x), from.y + 2.0 / 3.0 * (c.y - from.y)};
    Point c2{p.x + 2.0 / 3.0 * (c.x - p.x), p.y + 2.0 / 3.0 * (c.y - p.y)};
    CubicTo(c1, c2, p);
}

void OutlineBuilder::ArcTo(double rx, double ry, double rotationDegrees, bool largeArc,
                           bool sweepFlag, Point p) {
    EnsureContour();
    Point from = current_;
    if (from.x == p.x && from.y == p.y) return;  // an arc to its own start draws nothing
    rx = std::fabs(rx), ry = std::fabs(ry);
    if (rx == 0 || ry == 0) return LineTo(p);
    double phi = std::fmod(rotationDegrees, 360.0) * kPi / 180.0;
    double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    ArcCentre arc = CentreOfArc(from, p, rx, ry, cosPhi, sinPhi, largeArc, sweepFlag);
    // Radii too small to be scaled up to the chord at all: the arc is its chord.
    if (!(std::isfinite(arc.rx) && std::isfinite(arc.ry) && std::isfinite(arc.sweep) &&
          std::isfinite(arc.centre.x) && std::isfinite(arc.centre.y)))
        return LineTo(p);
    int pieces = ArcPieceCount(arc.sweep);
    double step = arc.sweep / pieces;
    double k = 4.0 / 3.0 * std::tan(step / 4);
    auto onEllipse = [&](double x, double y) {
        x *= arc.rx, y *= arc.ry;
        return Point{arc.centre.x + cosPhi * x - sinPhi * y,
                     arc.centre.y + sinPhi * x + cosPhi * y};
    };
    for (int i = 0; i < pieces; ++i) {
        double t0 = arc.startAngle + i * step, t1 = t0 + step;
        double c0 = std::cos(t0), s0 = std::sin(t0), c1 = std::cos(t1), s1 = std::sin(t1);
        Point end = i + 1 == pieces ? p : onEllipse(c1, s1);
        CubicTo(onEllipse(c0 - k * s0, s0 + k * c0), onEllipse(c1 + k * s1, s1 - k * c1), end);
    }
}

void OutlineBuilder::Close() {
    if (!open_) return;
    Contour& contour = outline_.back();
    // A contour drawn back to its start closes on that node rather than doubling it.
    if (contour.nodes.size() > 1 && SamePoint(contour.nodes.back().p, contour.nodes.front().p)) {
        contour.nodes.front().in = contour.nodes.back().in;
        contour.nodes.pop_back();
    }
    contour.closed = true;
    current_ = start_;
    open_ = false;
}

Outline OutlineBuilder::Finish(bool keepSingleNodes) {
    Outline result;
    for (auto& contour : outline_)
        if (contour.nodes.size() > 1 || keepSingleNodes) result.push_back(std::move(contour));
    outline_.clear();
    open_ = false;
    return result;
}

void TransformOutline(Outline& outline, const Matrix& m) {
    for (auto& contour : outline)
        for (auto& node : contour.nodes) {
            node.p = m.Apply(node.p);
            node.in = m.Apply(node.in);
            node.out = m.Apply(node.out);
        }
}

}  // namespace host::svg
