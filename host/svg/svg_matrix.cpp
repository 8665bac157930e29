#include "host/svg/svg_matrix.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

// One function of the list applied to its arguments; nullopt when the count is wrong.
std::optional<Matrix> TransformFunction(std::string_view name, const std::vector<double>& v) {
    const std::size_t n = v.size();
    if (name == "matrix" && n == 6) return Matrix{v[0], v[1], v[2], v[3], v[4], v[5]};
    if (name == "translate" && (n == 1 || n == 2)) return Translation(v[0], n == 2 ? v[1] : 0);
    if (name == "scale" && (n == 1 || n == 2)) return Scaling(v[0], n == 2 ? v[1] : v[0]);
    if (name == "rotate" && n == 1) return Rotation(v[0]);
    if (name == "rotate" && n == 3)
        return Translation(v[1], v[2]) * Rotation(v[0]) * Translation(-v[1], -v[2]);
    if (name == "skewX" && n == 1) return Matrix{1, 0, std::tan(v[0] * kDegreesToRadians), 1, 0, 0};
    if (name == "skewY" && n == 1) return Matrix{1, std::tan(v[0] * kDegreesToRadians), 0, 1, 0, 0};
    return std::nullopt;
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::optional<Matrix> Inverse(const Matrix& m) {
    const double det = m.Determinant();
    if (det == 0 || !std::isfinite(det)) return std::nullopt;
    Matrix inverse{m.d / det,
                   -m.b / det,
                   -m.c / det,
                   m.a / det,
                   (m.c * m.f - m.d * m.e) / det,
                   (m.b * m.e - m.a * m.f) / det};
    if (!inverse.IsFinite()) return std::nullopt;
    return inverse;
}

double Matrix::MeanScale() const {
    return std::sqrt(std::fabs(Determinant()));
}

double Matrix::LargestScale() const {
    // Largest singular value of the linear part.
    double p = a * a + b * b + c * c + d * d;
    double q = Determinant();
    double root = std::sqrt(std::max(0.0, p * p / 4 - q * q));
    return std::sqrt(p / 2 + root);
}

bool Matrix::IsFinite() const {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d) &&
           std::isfinite(e) && std::isfinite(f);
}

Matrix operator*(const Matrix& o, const Matrix& i) {
    return Matrix{o.a * i.a + o.c * i.b, o.b * i.a + o.d * i.b,       o.a * i.c + o.c * i.d,
                  o.b * i.c + o.d * i.d, o.a * i.e + o.c * i.f + o.e, o.b * i.e + o.d * i.f + o.f};
}

Matrix Translation(double tx, double ty) {
    return Matrix{1, 0, 0, 1, tx, ty};
}
Matrix Scaling(double sx, double sy) {
    return Matrix{sx, 0, 0, sy, 0, 0};
}

Matrix Rotation(double degrees) {
    // Exact quarter turns keep axis-aligned drawings exact.
    double turns = degrees / 90.0;
    if (turns == std::floor(turns)) {
        static const double cosines[] = {1, 0, -1, 0};
        static const double sines[] = {0, 1, 0, -1};
        int k = static_cast<int>(std::fmod(std::fmod(turns, 4.0) + 4.0, 4.0));
        return Matrix{cosines[k], sines[k], -sines[k], cosines[k], 0, 0};
    }
    double r = degrees * kDegreesToRadians;
    return Matrix{std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0};
}

std::optional<Matrix> ParseTransform(std::string_view text) {
    Matrix result;
    NumberScanner scanner(text);
    scanner.SkipSeparators();
    while (!scanner.AtEnd()) {
        std::string_view rest = scanner.Rest();
        std::size_t length = 0;
        while (length < rest.size() && IsNameCharacter(rest[length])) ++length;
        std::string_view name = rest.substr(0, length);
        for (std::size_t k = 0; k < length; ++k) scanner.Advance();
        scanner.SkipSpaces();
        if (length == 0 || scanner.Peek() != '(') return std::nullopt;
        scanner.Advance();
        scanner.SkipSpaces();
        std::vector<double> arguments;
        while (auto value = scanner.ReadNumber()) arguments.push_back(*value);
        if (scanner.Peek() != ')') return std::nullopt;
        scanner.Advance();
        auto function = TransformFunction(name, arguments);
        if (!function) return std::nullopt;
        result = result * *function;
        scanner.SkipSeparators();
    }
    if (!result.IsFinite()) return std::nullopt;
    return result;
}

}  // namespace host::svg
