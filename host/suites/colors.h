// Colours between the SDK's records and the document's values; custom colours live in
// the host's list by name.
#pragma once

#include "host/core/host.h"

namespace host {

/// The document's colour for an SDK colour: kBadParameterErr for an unknown kind or a
/// component that is not a finite number, kStaleHandleErr for an unknown custom colour.
AIErr ColorFromSdk(Host& host, const AIColor& in, Color* out);
/// The SDK colour of a document colour; a custom colour the list lacks is added to it.
AIColor ColorToSdk(Host& host, const Color& in);
/// The custom colour of that name, added (black, process) when the list lacks it.
ObjectId CustomColorId(Host& host, const std::string& name);

}  // namespace host
