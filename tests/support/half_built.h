// What a user would find half-built in a drawing's dimension layer, read from the dump.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace quill::testing {

/// What a user would find half-built in the dimension layers ("an empty group", "an
/// empty label", "a path without length", "a second dimension layer", "an untitled
/// layer"), or "" when nothing.
inline std::string HalfBuilt(const nlohmann::json& dump) {
    int dimensionLayers = 0;
    for (const auto& layer : dump["layers"]) {
        if (layer["title"] == "") return "an untitled layer";
        if (layer["title"] != "Dimensions") continue;
        if (++dimensionLayers > 1) return "a second dimension layer";
        std::vector<const nlohmann::json*> stack;
        for (const auto& art : layer["art"]) stack.push_back(&art);
        while (!stack.empty()) {
            const nlohmann::json& art = *stack.back();
            stack.pop_back();
            if (art["type"] == "group" && art["art"].empty()) return "an empty group";
            if (art["type"] == "text" && art["contents"] == "") return "an empty label";
            if (art["type"] == "path" && art["segments"].size() < 2) return "a path without length";
            if (art.contains("art"))
                for (const auto& child : art["art"]) stack.push_back(&child);
        }
    }
    return "";
}

}  // namespace quill::testing
