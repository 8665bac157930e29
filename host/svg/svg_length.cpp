#include "host/svg/svg_length.h"

#include <algorithm>
#include <cmath>

#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

struct UnitFactor {
    const char* unit;
    double points;  // points per unit
};

// Absolute units, px at 96 to the inch. In points, so that a page size written in
// points (as the export writes it) is read back exactly.
constexpr UnitFactor kAbsoluteUnits[] = {
    {"", kPointsPerPixel}, {"px", kPointsPerPixel}, {"pt", 1},        {"pc", 12}, {"in", 72},
    {"cm", 72 / 2.54},     {"mm", 72 / 25.4},       {"q", 72 / 101.6}};
constexpr double kInitialFontSize = 16;  // px

std::string Lowercase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::optional<double> UnitFactorOf(const std::string& unit, LengthAxis axis,
                                   const LengthContext& context) {
    for (const auto& entry : kAbsoluteUnits)
        if (unit == entry.unit) return entry.points / kPointsPerPixel;
    if (unit == "em") return context.fontSize;
    if (unit == "ex") return context.fontSize / 2;  // the usual x-height without a font at hand
    if (unit == "%") {
        const double w = context.viewportWidth, h = context.viewportHeight;
        switch (axis) {
            case LengthAxis::Horizontal:
                return w / 100;
            case LengthAxis::Vertical:
                return h / 100;
            case LengthAxis::Other:
                return std::sqrt((w * w + h * h) / 2) / 100;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> ParseLength(std::string_view text, LengthAxis axis,
                                  const LengthContext& context, std::string* problem) {
    NumberScanner scanner(Trim(text));
    auto value = scanner.ReadNumber();
    if (!value) {
        *problem = "not a length";
        return std::nullopt;
    }
    std::string unit = Lowercase(Trim(scanner.Rest()));
    auto factor = UnitFactorOf(unit, axis, context);
    if (!factor) {
        *problem = "unknown unit '" + std::string(Trim(scanner.Rest())) + "'";
        return std::nullopt;
    }
    double length = *value * *factor;
    if (!(std::fabs(length) <= kLargestCoordinate)) {
        *problem = "length out of range";
        return std::nullopt;
    }
    return length;
}

std::optional<double> ParsePageLength(std::string_view text, std::string* problem) {
    NumberScanner scanner(Trim(text));
    auto value = scanner.ReadNumber();
    std::string unit = Lowercase(Trim(scanner.Rest()));
    if (!value) {
        *problem = "not a length";
        return std::nullopt;
    }
    if (unit == "%") {
        *problem = "a percentage";
        return std::nullopt;
    }
    double points = 0;
    for (const auto& entry : kAbsoluteUnits)
        if (unit == entry.unit) points = entry.points;
    if (unit == "em") points = kInitialFontSize * kPointsPerPixel;
    if (unit == "ex") points = kInitialFontSize * kPointsPerPixel / 2;
    if (points == 0) {
        *problem = "unknown unit '" + std::string(Trim(scanner.Rest())) + "'";
        return std::nullopt;
    }
    if (!(std::fabs(*value * points) <= kLargestCoordinate)) {
        *problem = "length out of range";
        return std::nullopt;
    }
    return *value * points;
}

std::optional<std::vector<double>> ParseNumberList(std::string_view text) {
    NumberScanner scanner(text);
    scanner.SkipSpaces();
    std::vector<double> values;
    while (auto value = scanner.ReadNumber()) values.push_back(*value);
    if (!scanner.AtEnd()) return std::nullopt;
    return values;
}

std::optional<ViewBox> ParseViewBox(std::string_view text) {
    auto values = ParseNumberList(text);
    if (!values || values->size() != 4) return std::nullopt;
    const auto& v = *values;
    for (double x : v)
        if (!(std::fabs(x) <= kLargestCoordinate)) return std::nullopt;
    if (!(v[2] > 0 && v[3] > 0)) return std::nullopt;
    return ViewBox{v[0], v[1], v[2], v[3]};
}

Matrix ViewBoxMap(const ViewBox& box, double x, double y, double width, double height,
                  std::string_view preserveAspectRatio) {
    double sx = width / box.width, sy = height / box.height;
    std::string_view align = Trim(preserveAspectRatio);
    if (align.substr(0, 5) == "defer") align = Trim(align.substr(5));
    if (align.substr(0, 4) == "none") return Matrix{sx, 0, 0, sy, x - box.x * sx, y - box.y * sy};
    bool slice = align.find("slice") != std::string_view::npos;
    double s = slice ? std::max(sx, sy) : std::min(sx, sy);
    // Alignment: 0 for Min, 0.5 for Mid, 1 for Max along each axis.
    auto fraction = [&](const char* minName, const char* maxName) {
        if (align.find(minName) != std::string_view::npos) return 0.0;
        if (align.find(maxName) != std::string_view::npos) return 1.0;
        return 0.5;
    };
    double tx = x - box.x * s + (width - box.width * s) * fraction("xMin", "xMax");
    double ty = y - box.y * s + (height - box.height * s) * fraction("YMin", "YMax");
    return Matrix{s, 0, 0, s, tx, ty};
}

}  // namespace host::svg
