// How deep a JSON text nests, found without parsing it: the JSON library's parser holds
// any depth, but copying or printing a value recurses once per level, so a text nested
// deeper than the host ever writes is refused before it is parsed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace host {

/// The deepest nesting of JSON the host accepts: arrays and objects inside each other.
constexpr std::size_t kDeepestJsonNesting = 256;

/// The number of arrays and objects the deepest value of `text` stands in (0 for a
/// scalar). Brackets inside strings do not count; the text need not be valid JSON.
std::size_t JsonNestingDepth(std::string_view text);

/// Parses `text` as JSON when it nests at most kDeepestJsonNesting deep. Otherwise, or
/// when it is not JSON, gives a discarded value and sets `error` to why ("nested more
/// than 256 deep", or the parser's message).
nlohmann::ordered_json ParseNestedJson(std::string_view text, std::string* error);

}  // namespace host
