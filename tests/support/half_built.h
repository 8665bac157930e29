// What a user would find half-built in a drawing's dimension layer, and the drawing's
// own art, read from the dump.
#pragma once

#include <algorithm>
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

/// A dimension group of the dimension layer that shows nothing ("an empty dimension":
/// no pieces; "a zero-length dimension": every anchor of its paths at one point and no
/// text with a character), or "" when there is none.
inline std::string EmptyOrZeroLengthDimension(const nlohmann::json& dump) {
    for (const auto& layer : dump["layers"]) {
        if (layer["title"] != "Dimensions") continue;
        for (const auto& group : layer["art"]) {
            if (group["type"] != "group") continue;
            if (group["art"].empty()) return "an empty dimension";
            std::vector<nlohmann::json> points;
            bool shows = false;
            for (const auto& piece : group["art"]) {
                if (piece["type"] == "text" && piece["contents"] != "") shows = true;
                if (piece["type"] != "path") continue;
                for (const auto& segment : piece["segments"]) points.push_back(segment["p"]);
            }
            const bool onePoint =
                std::all_of(points.begin(), points.end(),
                            [&](const nlohmann::json& p) { return p == points.front(); });
            if (!shows && onePoint) return "a zero-length dimension";
        }
    }
    return "";
}

/// The drawing's own art: every layer but the dimensions', without the tags and
/// selection the tools may set on it, each closed path from its least anchor (a partial
/// length picked on a closed path renumbers its anchors from the pick). An empty layer
/// is no art: one made for the dimensions whose title the host refused stays, seen and
/// undone like any other.
inline nlohmann::json OwnArt(const nlohmann::json& dump) {
    using nlohmann::json;
    json own = json::array();
    for (json layer : dump["layers"]) {
        if (layer["title"] == "Dimensions" || layer["art"].empty()) continue;
        std::vector<json*> stack{&layer};
        while (!stack.empty()) {
            json* art = stack.back();
            stack.pop_back();
            art->erase("tags");
            art->erase("selected");
            if (art->value("closed", false) && !(*art)["segments"].empty()) {
                json& segments = (*art)["segments"];
                std::rotate(segments.begin(), std::min_element(segments.begin(), segments.end()),
                            segments.end());
            }
            if (art->contains("art"))
                for (json& child : (*art)["art"]) stack.push_back(&child);
        }
        own.push_back(layer);
    }
    return own;
}

}  // namespace quill::testing
