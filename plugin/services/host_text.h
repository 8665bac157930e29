// The plug-in's text is Windows-1252; the host's is UTF-8. Conversions go through the
// host's Unicode string suite.
#pragma once

#include <string>

#include "sdk/errors.h"

namespace quill {

/// `text` (Windows-1252) as UTF-8; empty when the conversion fails.
std::string ToHostText(const char* text);
/// `text` (Windows-1252) as UTF-8 into `out`; the host's code when it cannot convert.
ASErr ConvertToHostText(const char* text, std::string* out);
/// `text` (UTF-8) as Windows-1252; characters the set lacks become '?'.
std::string FromHostText(const char* text);

}  // namespace quill
