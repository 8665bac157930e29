// The plug-in's settings a drawing was saved with, carried in the file as one element of
// the host's namespace under a root-level <metadata>.
#pragma once

#include <pugixml.hpp>

#include "host/document/document.h"
#include "host/svg/svg_context.h"

namespace host::svg {

/// Takes the settings element out of a root-level `metadata` into the document. True when
/// the metadata still says something else and is to be kept.
bool TakeHostSettings(pugi::xml_node metadata, const ReaderContext& context, Document& document);

/// Writes the document's settings, when it has any, as
/// `<metadata><quill:settings>JSON</quill:settings></metadata>` under the root.
void AppendHostSettings(pugi::xml_node root, const Document& document);

}  // namespace host::svg
