// What the links tell the user.
#pragma once

#include "plugin/text/cp1252_literal.h"

namespace quill::texts {

constexpr Cp1252Literal kMeasuredPathNotFound(
    "Le tracé correspondant à cette cote n'a pas été trouvé !");

}  // namespace quill::texts
