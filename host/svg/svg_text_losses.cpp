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

bool HoldsOwnCharacters(const pugi::xml_node& node) {
    for (auto child : node.children())
        if ((child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) &&
            !Trim(child.value()).empty())
            return true;
    return false;
}

bool SamePaint(const Paint& a, const Paint& b) {
    return a.kind == b.kind && a.reference == b.reference &&
           (a.kind != Paint::Kind::Color ||
            (a.color.r == b.color.r && a.color.g == b.color.g && a.color.b == b.color.b));
}

// Whether characters in `style` are drawn as those in `used`: the host has one style.
bool DrawnAlike(const Style& style, const Style& used) {
    return SamePaint(style.fill, used.fill) && style.fontFamily == used.fontFamily &&
           style.fontWeight == used.fontWeight && style.fontSlant == used.fontSlant &&
           style.fontSize == used.fontSize;
}

struct Losses {
    const Style& used;
    ReaderContext& context;
    bool characters = false;
    bool rotations = false;
    bool styledApart = false;
    std::vector<std::string> children;  // names of children that are no text, once each

    void Look(const pugi::xml_node& node, const Frame& frame, int depth) {
        if (depth > kDeepestTextNesting) return;
        for (const char* list : {"x", "y", "dx", "dy"}) characters |= PlacesSeveral(node, list);
        rotations |= static_cast<bool>(node.attribute("rotate"));
        styledApart |= HoldsOwnCharacters(node) && !DrawnAlike(frame.style, used);
        for (auto child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            const std::string_view name = context.SvgName(child);
            if (name == "tspan" || name == "a") {
                Look(child, ChildFrame(child, frame, context), depth + 1);
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

void WarnTextLosses(const pugi::xml_node& text, const Frame& frame, const Style& used,
                    ReaderContext& context) {
    Losses losses{used, context, false, false, false, {}};
    losses.Look(text, frame, 0);
    if (losses.characters)
        context.Warn(text, "ignored: positions of single characters (the text keeps its lines)");
    if (losses.rotations) context.Warn(text, "ignored: rotations of single characters");
    if (used.stroke.kind != Paint::Kind::None && used.strokeWidth > 0 && used.strokeOpacity > 0)
        context.Warn(text, "ignored: the text's stroke");
    if (losses.styledApart)
        context.Warn(text, "ignored: characters styled apart from the text's first ones");
    for (const auto& name : losses.children)
        context.Warn(text, "skipped: a <" + name + "> inside a text");
}

}  // namespace host::svg
