// Outlines read from SVG: contours of cubic Bézier nodes in double precision, in the
// user space of the element they come from (y downwards), before any transform.
#pragma once

#include <cstddef>
#include <vector>

#include "host/svg/svg_matrix.h"

namespace host::svg {

/// An anchor with its incoming and outgoing control points; a control point equal
/// to its anchor is retracted.
struct Node {
    Point p, in, out;
};

struct Contour {
    std::vector<Node> nodes;
    bool closed = false;
};

using Outline = std::vector<Contour>;

/// The most anchors one outline may have: beyond, a file is taken as hostile rather
/// than let it exhaust the memory (arcs of huge radii multiply anchors).
constexpr std::size_t kMostAnchors = 4000000;

/// Builds an outline the way path data draws it: each drawing command starts at the
/// current point.
class OutlineBuilder {
 public:
    OutlineBuilder() = default;

    void MoveTo(Point p);
    void LineTo(Point p);
    void CubicTo(Point c1, Point c2, Point p);
    /// A quadratic Bézier, raised exactly to a cubic.
    void QuadTo(Point c, Point p);
    /// SVG's elliptical arc from the current point to `p`; radii in user units, the
    /// rotation of the x radius in degrees (clockwise on screen). Zero radii draw a line.
    void ArcTo(double rx, double ry, double rotationDegrees, bool largeArc, bool sweep, Point p);
    void Close();

    /// The current point, and the start of the current contour.
    Point current() const { return current_; }
    Point contourStart() const { return start_; }
    bool hasContour() const { return open_; }

    /// Whether the outline holds kMostAnchors anchors: further commands add nothing.
    bool full() const { return anchorCount_ >= kMostAnchors; }

    /// The contours drawn. Those of a single node draw nothing and are dropped unless
    /// `keepSingleNodes` (a file of the host's keeps every path it had).
    Outline Finish(bool keepSingleNodes = false);

 private:
    Node& Last() { return outline_.back().nodes.back(); }
    void EnsureContour();

    Outline outline_;
    Point current_, start_;
    bool open_ = false;  // a contour takes the next drawing command
    std::size_t anchorCount_ = 0;
};

/// Number of Bézier pieces for an arc of `sweepRadians`: one per quarter turn or less, as
/// the host draws its own circles, so that an arc of a file is clicked and measured as
/// drawn (a quarter circle is one segment). A quarter strays from the true circle by
/// 0.027 % of its radius at most.
int ArcPieceCount(double sweepRadians);

/// Every point of the outline mapped by `m`.
void TransformOutline(Outline& outline, const Matrix& m);

/// Whether two user-space points are the same up to rounding of the text they came from.
bool SamePoint(Point a, Point b);

}  // namespace host::svg
