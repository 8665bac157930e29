// Affine maps of SVG user spaces, in double precision, and the `transform` attribute.
#pragma once

#include <optional>
#include <string_view>

namespace host::svg {

struct Point {
    double x = 0, y = 0;
};

/// Maps (x, y) to (a x + c y + e, b x + d y + f), as SVG's matrix(a b c d e f).
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    Point Apply(Point p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    /// Applies only the linear part (for directions and lengths).
    Point ApplyLinear(Point p) const { return {a * p.x + c * p.y, b * p.x + d * p.y}; }
    double Determinant() const { return a * d - b * c; }
    /// Geometric mean of the two scale factors: how lengths scale on average.
    double MeanScale() const;
    /// The largest factor by which the map stretches a length.
    double LargestScale() const;
    bool IsFinite() const;
};

/// The map that undoes `m`; nullopt when it flattens the plane or is not finite.
std::optional<Matrix> Inverse(const Matrix& m);

/// The map `outer` after `inner`: first inner, then outer.
Matrix operator*(const Matrix& outer, const Matrix& inner);

Matrix Translation(double tx, double ty);
Matrix Scaling(double sx, double sy);
/// Rotation by `degrees`, clockwise on screen (y downwards), as SVG's rotate().
Matrix Rotation(double degrees);

/// The transform list of an SVG `transform` attribute (matrix, translate, scale,
/// rotate with or without centre, skewX, skewY; applied left to right as nested
/// coordinate systems). nullopt when the text is not a valid list.
std::optional<Matrix> ParseTransform(std::string_view text);

}  // namespace host::svg
