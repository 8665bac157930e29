#pragma once

#include <string>

namespace quill::serve {

/// The host's own detail, an error or warnings one a line, as the page shows it: in French.
/// Each line's message after its place ("FILE:LINE: <rect id="a">: ") is put in French with
/// its values (names, numbers, quoted text) carried over; a line of a shape the host is
/// not known to write stays as it is.
std::string FrenchDetail(const std::string& detail);

}  // namespace quill::serve
