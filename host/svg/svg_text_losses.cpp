#include "host/svg/svg_text_losses.h"

#include <string_view>
#include <vector>

#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

constexpr int kDeepestTextNesting = 32;

// Whether a list attribute ("x", "dy", "rotate") places more than the first character.
bool PlacesSeveral(const pugi::xml_node& node, const char* attribute) {
    const std::string_view list = Trim(node.attribute(attribute).value());
    return list.find_first_of(", \t\r\n") != std::string_view::npos;
}

struct Losses {
    bool characters = false;
    bool rotations = false;
    std::vector<std::string> children;  // names of children that are no text, once each

    void Look(const pugi::xml_node& node, ReaderContext& context, int depth) {
        if (depth > kDeepestTextNesting) return;
        for (const char* list : {"x", "y", "dx", "dy"}) characters |= PlacesSeveral(node, list);
        rotations |= static_cast<bool>(node.attribute("rotate"));
        for (auto child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            const std::string_view name = context.SvgName(child);
            if (name == "tspan" || name == "a") {
                Look(child, context, depth + 1);
                continue;
            }
            std::string shown = name.empty() ? child.name() : std::string(name);
            bool seen = false;
            for (const auto& known : children) seen = seen || known == shown;
            if (!seen) children.push_back(std::move(shown));
        }
    }
};

}  // namespace

void WarnTextLosses(const pugi::xml_node& text, const Style& style, ReaderContext& context) {
    Losses losses;
    losses.Look(text, context, 0);
    if (losses.characters)
        context.Warn(text, "ignored: positions of single characters (the text keeps its lines)");
    if (losses.rotations) context.Warn(text, "ignored: rotations of single characters");
    if (style.stroke.kind != Paint::Kind::None && style.strokeWidth > 0 && style.strokeOpacity > 0)
        context.Warn(text, "ignored: the text's stroke");
    for (const auto& name : losses.children)
        context.Warn(text, "skipped: a <" + name + "> inside a text");
}

}  // namespace host::svg
