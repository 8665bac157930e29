#include "host/svg/svg_inline_style.h"

#include <string>
#include <string_view>

namespace host::svg {

namespace {

struct ModelledProperty {
    const char* name;
    const char* initial;      // nullptr: written only when the host wrote it
    bool lengthOnly = false;  // CSS takes no bare number for it: user units are px
};

constexpr ModelledProperty kPathProperties[] = {
    {"display", nullptr},         {"fill", "#000000"},        {"fill-rule", "nonzero"},
    {"stroke", "none"},           {"stroke-width", "1"},      {"stroke-linecap", "butt"},
    {"stroke-linejoin", "miter"}, {"stroke-miterlimit", "4"}, {"stroke-dasharray", "none"},
    {"stroke-dashoffset", "0"},   {"opacity", "1"},           {"fill-opacity", "1"},
    {"stroke-opacity", "1"},
};

// A text's stroke is not modelled: the host draws its texts unstroked.
constexpr ModelledProperty kTextProperties[] = {
    {"display", nullptr},
    {"font-family", nullptr},
    {"font-size", nullptr, true},
    {"font-weight", "normal"},
    {"font-style", "normal"},
    {"text-anchor", "start"},
    {"letter-spacing", "0", true},
    {"baseline-shift", "0", true},
    {"fill", "#000000"},
    {"stroke", "none"},
    {"opacity", "1"},
    {"fill-opacity", "1"},
};

constexpr ModelledProperty kGroupProperties[] = {
    {"display", nullptr},
    {"opacity", "1"},
};

// "12", "-4.5", "1e-3": a number without a unit, which CSS reads only as 0.
bool IsBareNumber(const char* value) {
    const std::string_view text = value;
    return !text.empty() && text != "0" &&
           text.find_first_not_of("0123456789.-+e") == std::string_view::npos;
}

template <std::size_t N>
std::string MoveIntoDeclarations(pugi::xml_node node, const ModelledProperty (&properties)[N]) {
    std::string declarations;
    for (const auto& property : properties) {
        const pugi::xml_attribute written = node.attribute(property.name);
        const char* value = written ? written.value() : property.initial;
        if (!value) continue;
        declarations.append(property.name).append(":").append(value);
        if (property.lengthOnly && IsBareNumber(value)) declarations.append("px");
        declarations.append(";");
        node.remove_attribute(written);
    }
    return declarations;
}

}  // namespace

void WriteStyleInline(pugi::xml_node node, ArtKind kind) {
    std::string declarations;
    switch (kind) {
        case ArtKind::Path:
        case ArtKind::CompoundPath:
            declarations = MoveIntoDeclarations(node, kPathProperties);
            break;
        case ArtKind::Text:
            declarations = MoveIntoDeclarations(node, kTextProperties);
            break;
        case ArtKind::Group:
            declarations = MoveIntoDeclarations(node, kGroupProperties);
            break;
    }
    pugi::xml_attribute style = node.attribute("style");
    if (!style) style = node.append_attribute("style");
    style.set_value((declarations + style.value()).c_str());
}

}  // namespace host::svg
