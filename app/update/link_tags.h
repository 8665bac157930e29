// The names of the tags that dimensions and measured paths carry, as the drawing keeps
// them.
#pragma once

namespace quill::update::tags {

constexpr const char* kPiece = "orl";
constexpr const char* kSegmentMarker = "mods";
constexpr const char* kAngleMarker = "moda";
constexpr const char* kCircleMarker = "modc";
constexpr const char* kMainLine = "red";
constexpr const char* kFirstPointLink = "segpt1";
constexpr const char* kSecondPointLink = "segpt2";
constexpr const char* kSegmentLink = "surseg";
constexpr const char* kAngleLink = "ang";
constexpr const char* kCircleLink = "cer";
constexpr const char* kIndex1 = "num1";
constexpr const char* kIndex2 = "num2";
constexpr const char* kIndex3 = "num3";

}  // namespace quill::update::tags
