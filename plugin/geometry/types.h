// The plane values the plug-in computes with: points, path segments, Béziers and
// matrices in document points (1/72 inch), y upwards, single precision; angles in
// radians, counter-clockwise from +x. Laid out as the host's records, so that they
// cross the boundary by copy.
#pragma once

namespace quill {

struct Point {
    float h = 0, v = 0;
};

/// An anchor with its incoming and outgoing control points; a control point equal to
/// its anchor (both coordinates exactly) is retracted.
struct PathSegment {
    Point p, in, out;
    bool corner = true;
};

struct Bezier {
    Point p0, p1, p2, p3;
};

/// Maps (x, y) to (a x + c y + tx, b x + d y + ty).
struct Matrix {
    float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
};

/// Points to the millimetre, in single precision (72 / 25.4).
constexpr float kPointsPerMillimetre = 2.8346457f;
/// π and π/2 as the single-precision values the measurements use.
constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;
/// 2π as the single-precision value 6.2831854820251465.
constexpr double kTwoPi = 6.2831854820251465;
/// The handle length of a four-arc circle, relative to its radius.
constexpr double kCircleHandle = 0.5522847771644592;

}  // namespace quill
