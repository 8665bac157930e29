// The names of the tags that dimensions and measured paths carry, as the drawing keeps
// them: the plug-in's own, from the boundary's vocabulary.
#pragma once

#include "sdk/quill_vocabulary.h"

namespace quill::update {

namespace tags = vocabulary::tags;

}  // namespace quill::update
