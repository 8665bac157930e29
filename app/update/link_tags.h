// The names of the tags that dimensions and measured paths carry, and of the groups the
// plug-in names after their kind, as the drawing keeps them.
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

// The names the plug-in gives a dimension's group after its kind.
namespace quill::update::group_names {

constexpr const char* kOblique = "Segment oblique";
constexpr const char* kHorizontal = "Segment horiz";
constexpr const char* kVertical = "Segment verti";
constexpr const char* kDiameter = "Cercle Diam\xC3\xA8tre";
constexpr const char* kRadius = "Cercle Rayon";

}  // namespace quill::update::group_names
