// The string tags that mark dimension art and tie dimensions to the paths they
// measure, as the plug-in names them: the boundary's vocabulary.
#pragma once

#include "sdk/quill_vocabulary.h"

namespace quill {

namespace tags = vocabulary::tags;

}  // namespace quill
