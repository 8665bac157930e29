// Telling the user something: a modal host alert with a fixed text.
#pragma once

namespace quill {

/// Shows a modal alert with `text` (Windows-1252; "\r" breaks lines) through the
/// host's alert service, converting the text at the boundary. Failures are ignored:
/// there is no one left to tell.
void ShowAlert(const char* text);

}  // namespace quill
