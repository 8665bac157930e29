// The dump of a session: the plug-in's state as the host sees it (tool, cursor,
// alerts, preferences, the last annotation pass, registrations) and the document.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "host/core/host.h"

namespace host {

/// The dump as JSON, keys in the documented order. Reals are written with the
/// shortest digits that read back to the same single-precision value.
nlohmann::ordered_json DumpHost(Host& host);
/// The dump as UTF-8 text, indented by two spaces, ending with a newline.
std::string DumpText(Host& host);
/// Writes the dump to `path`; false with `error` set when it cannot be written.
bool WriteDump(Host& host, const std::string& path, std::string* error);

/// A single-precision value as the double whose shortest decimal form is the float's,
/// so that a JSON writer prints it with no spurious digits (0.1f prints as 0.1).
double DumpReal(float value);

}  // namespace host
