// Lengths with units, number lists, viewBox and preserveAspectRatio.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/svg/svg_matrix.h"

namespace host::svg {

/// SVG's pixel: 1/96 inch, in points.
constexpr double kPointsPerPixel = 0.75;

/// What a percentage or a font-relative unit refers to. All in user units.
struct LengthContext {
    double viewportWidth = 0, viewportHeight = 0;
    double fontSize = 16;
};

enum class LengthAxis { Horizontal, Vertical, Other };

/// A length in user units (px): a number with an optional unit (px, pt, pc, mm, cm,
/// in, em, ex, %; percentages of the viewport's width, height or normalised diagonal
/// by axis). nullopt with `problem` set ("unknown unit 'zz'", "not a length") otherwise;
/// values beyond kLargestCoordinate are refused too.
std::optional<double> ParseLength(std::string_view text, LengthAxis axis,
                                  const LengthContext& context, std::string* problem);

/// An absolute length in points (a bare number is px, 0.75 pt; also pt, pc, mm, cm,
/// in, em and ex taken at the initial 16 px font). nullopt with `problem` set for a
/// percentage, an unknown unit or text that is no length.
std::optional<double> ParsePageLength(std::string_view text, std::string* problem);

/// Numbers separated by white space or commas; nullopt when anything else appears.
std::optional<std::vector<double>> ParseNumberList(std::string_view text);

struct ViewBox {
    double x = 0, y = 0, width = 0, height = 0;
};

/// A viewBox of four numbers with positive width and height, or nullopt.
std::optional<ViewBox> ParseViewBox(std::string_view text);

/// The map from a viewBox to a viewport of `width` × `height` at (x, y), following
/// `preserveAspectRatio` ("xMidYMid meet" when empty; "none" stretches).
Matrix ViewBoxMap(const ViewBox& box, double x, double y, double width, double height,
                  std::string_view preserveAspectRatio);

}  // namespace host::svg
