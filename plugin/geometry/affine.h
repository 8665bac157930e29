// Affine matrices in single precision: scale, rotation, translation and their
// composition, as the host applies them to art. Angles in radians, counter-clockwise.
#pragma once

#include "plugin/geometry/types.h"

namespace quill {

Matrix ScaleMatrix(float sx, float sy);
Matrix RotationMatrix(float angle);
Matrix TranslationMatrix(float tx, float ty);
/// The matrix that applies `first`, then `then`.
Matrix Then(const Matrix& first, const Matrix& then);
/// The inverse; the identity for a singular matrix.
Matrix Inverse(const Matrix& m);
Point Apply(const Matrix& m, Point p);

}  // namespace quill
