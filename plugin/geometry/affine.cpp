#include "plugin/geometry/affine.h"

#include <cmath>

namespace quill {

Matrix ScaleMatrix(float sx, float sy) {
    return {sx, 0, 0, sy, 0, 0};
}

Matrix RotationMatrix(float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return {c, s, -s, c, 0, 0};
}

Matrix TranslationMatrix(float tx, float ty) {
    return {1, 0, 0, 1, tx, ty};
}

Matrix Then(const Matrix& m, const Matrix& n) {
    return {m.a * n.a + m.b * n.c, m.a * n.b + m.b * n.d,          m.c * n.a + m.d * n.c,
            m.c * n.b + m.d * n.d, m.tx * n.a + m.ty * n.c + n.tx, m.tx * n.b + m.ty * n.d + n.ty};
}

Matrix Inverse(const Matrix& m) {
    const float det = m.a * m.d - m.b * m.c;
    if (det == 0 || !std::isfinite(det)) return {};
    const float a = m.d / det, b = -m.b / det, c = -m.c / det, d = m.a / det;
    return {a, b, c, d, -(m.tx * a + m.ty * c), -(m.tx * b + m.ty * d)};
}

Point Apply(const Matrix& m, Point p) {
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

}  // namespace quill
