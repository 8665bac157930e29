#include "host/io/json_nesting.h"

namespace host {

std::size_t JsonNestingDepth(std::string_view text) {
    std::size_t depth = 0, deepest = 0;
    bool inString = false, escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > deepest) deepest = depth;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

nlohmann::ordered_json ParseNestedJson(std::string_view text, std::string* error) {
    using Json = nlohmann::ordered_json;
    if (JsonNestingDepth(text) > kDeepestJsonNesting) {
        *error = "nested more than " + std::to_string(kDeepestJsonNesting) + " deep";
        return Json(Json::value_t::discarded);
    }
    try {
        return Json::parse(text);
    } catch (const Json::exception& e) {
        *error = e.what();
    }
    return Json(Json::value_t::discarded);
}

}  // namespace host
