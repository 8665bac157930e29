// Attributes of the host's own namespace that hold free text (names, tags, contents):
// written plainly when XML can carry the text, with %HH escapes otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/svg/svg_context.h"

namespace host::svg {

/// Writes `text` (UTF-8) as quill:LOCAL, or as quill:LOCAL-x with escapes when it holds
/// bytes that XML cannot carry (control characters, malformed UTF-8).
void WriteHostText(pugi::xml_node node, const std::string& localName, const std::string& text);
/// The text written by WriteHostText, or nullopt when neither attribute is present.
std::optional<std::string> ReadHostText(const ReaderContext& context, const pugi::xml_node& node,
                                        std::string_view localName);

/// Tags (names and values are the plug-in's Windows-1252 bytes) as quill:tag-NAME,
/// in their order; the names are escaped to stay valid XML names.
void WriteTags(pugi::xml_node node, const std::vector<std::pair<std::string, std::string>>& tags);
std::vector<std::pair<std::string, std::string>> ReadTags(const ReaderContext& context,
                                                          const pugi::xml_node& node);

/// Art attribute bits (kArtLocked …) as words, and back; unknown words are ignored.
std::string AttributeWords(std::int32_t attributes);
std::int32_t ParseAttributeWords(const std::string& words);

/// Whether `text` can stand in an XML attribute or text as it is.
bool IsXmlSafe(const std::string& text);

/// `%HH` for every byte outside printable ASCII and for '%'; and back (a '%' not
/// followed by two hexadecimal digits stays as it is).
std::string PercentEscape(const std::string& bytes);
std::string PercentUnescape(const std::string& text);

}  // namespace host::svg
