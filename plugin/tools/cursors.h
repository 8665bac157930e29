// The cursor resources the tools show, by what the next click will do: the boundary's
// vocabulary.
#pragma once

#include "sdk/quill_vocabulary.h"

namespace quill {

namespace cursors = vocabulary::cursors;

}  // namespace quill
