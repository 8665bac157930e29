// The cursor resources the tools show, by what the next click will do.
#pragma once

#include <cstdint>

namespace quill::cursors {

constexpr std::int32_t kNothing = 21000;
constexpr std::int32_t kAnchor = 21001;  // an anchor point, or a remembered segment end
constexpr std::int32_t kStraightSegment = 21002;
constexpr std::int32_t kDimension = 21003;  // an existing dimension
constexpr std::int32_t kCurve = 21004;
constexpr std::int32_t kArc = 21005;
constexpr std::int32_t kCrossing = 21006;
constexpr std::int32_t kSnappedPoint = 21008;
constexpr std::int32_t kNextTool = 21009;        // Shift: the click switches to the next tool
constexpr std::int32_t kParametersTool = 21010;  // Alt: the click switches to the parameters

}  // namespace quill::cursors
