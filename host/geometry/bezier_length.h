// Arc length of a cubic Bézier and the parameter at a length, in double precision.
//
// The speed |B'(t)| is the modulus of a complex quadratic z(t) = a t² + b t + c, so it is
// smooth everywhere except near the complex roots of z: a root at α ± iβ with β small is
// a near-cusp. The integral is split at such α, and each piece is integrated by a
// Gauss–Legendre rule whose order follows from how far the roots lie from it (the
// Bernstein ellipse of the piece); pieces too near a root are halved. Lengths come out
// within about 1e-12 of the curve's size.
//
// The parameter at a length takes a first estimate in its piece from the cubic through
// the speed at 4 nodes, measures the length up to it with the piece's rule, and steps
// from there along the length's Taylor series, whose reach is the distance to the nearest
// root: another stretch is measured only when the series cannot vouch for the step.
#pragma once

#include <vector>

#include "host/geometry/bezier.h"

namespace host::geom {

/// One piece of the integration of a curve's length: parameters [t0, t1], the length of
/// the curve over it (points), and the number of Gauss–Legendre nodes used.
struct LengthPiece {
    double t0 = 0, t1 = 0, length = 0;
    int nodes = 0;
};

/// The pieces over [0, t] in order; their lengths add up to `LengthTo`(c, t).
std::vector<LengthPiece> LengthPieces(const Cubic& c, double t);

/// Length of the curve over [t0, t1] ⊂ [0, 1] with the rule of `nodes` nodes, which the
/// piece containing [t0, t1] was found to need.
double PieceLength(const Cubic& c, double t0, double t1, int nodes);

}  // namespace host::geom
