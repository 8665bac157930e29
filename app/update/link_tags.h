// The names of the tags that dimensions and measured paths carry, as the drawing keeps
// them (the plug-in's own, from the boundary's vocabulary), and of the groups the
// plug-in names after their kind.
#pragma once

#include "sdk/quill_vocabulary.h"

namespace quill::update {

namespace tags = vocabulary::tags;

}  // namespace quill::update

// The names the plug-in gives a dimension's group after its kind, in UTF-8.
namespace quill::update::group_names {

constexpr const char* kOblique = "Segment oblique";
constexpr const char* kHorizontal = "Segment horiz";
constexpr const char* kVertical = "Segment verti";
constexpr const char* kDiameter = "Cercle Diam\xC3\xA8tre";
constexpr const char* kRadius = "Cercle Rayon";

}  // namespace quill::update::group_names
