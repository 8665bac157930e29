#include "host/document/stroke_space.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// Relative to the map's size: what single-precision geometry cannot tell apart.
constexpr double kShapeTolerance = 1e-6;

bool KeepsShapes(double a, double b, double c, double d) {
    const double size = std::max({std::fabs(a), std::fabs(b), std::fabs(c), std::fabs(d)});
    auto same = [&](double u, double v) { return std::fabs(u - v) <= kShapeTolerance * size; };
    const bool turn = same(a, d) && same(b, -c);    // rotation and scaling
    const bool mirror = same(a, -d) && same(b, c);  // the same, reflected
    return turn || mirror;
}

}  // namespace

std::unique_ptr<StrokeSpace> MakeStrokeSpace(double a, double b, double c, double d) {
    const double scale = std::sqrt(std::fabs(a * d - b * c));
    if (!(scale > 0) || !std::isfinite(scale) || KeepsShapes(a, b, c, d)) return nullptr;
    // A space read back from a saved file is already at scale one: left exactly as written.
    const double by = std::fabs(scale - 1) <= 1e-12 ? 1 : scale;
    return std::make_unique<StrokeSpace>(StrokeSpace{a / by, b / by, c / by, d / by});
}

std::unique_ptr<StrokeSpace> MovedStrokeSpace(const StrokeSpace* space, double a, double b,
                                              double c, double d) {
    if (!space) return nullptr;  // as in the host, a round stroke stays round
    const StrokeSpace& s = *space;
    return MakeStrokeSpace(a * s.a + c * s.b, b * s.a + d * s.b, a * s.c + c * s.d,
                           b * s.c + d * s.d);
}

}  // namespace host
