#include "host/svg/svg_kept_writer.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

// As the file was read: white space between elements is text of its own.
constexpr unsigned kMarkupParsing =
    pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_comments;

Matrix FromPlaneMap(const PlaneMap& m) {
    return {m.a, m.b, m.c, m.d, m.e, m.f};
}

void SetOpacity(pugi::xml_node node, const char* name, float value) {
    if (value != 1) node.append_attribute(name).set_value(FormatFloat(value).c_str());
}

// The printer indents an element that follows another element; an empty text before it
// (and before the end tag) keeps the kept layout exact, which texts depend on.
void KeepLayout(pugi::xml_node element) {
    std::vector<pugi::xml_node> pending{element};
    while (!pending.empty()) {
        pugi::xml_node node = pending.back();
        pending.pop_back();
        bool afterText = false;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            const auto type = child.type();
            if (type == pugi::node_element) {
                if (!afterText) node.insert_child_before(pugi::node_pcdata, child);
                pending.push_back(child);
            }
            afterText = type == pugi::node_pcdata || type == pugi::node_cdata;
        }
        if (node.last_child().type() == pugi::node_element) node.append_child(pugi::node_pcdata);
    }
}

// Elements that are drawn only where something refers to them, in the referrer's space,
// or not at all: where they stand does not matter.
bool IsDefinition(std::string_view name) {
    const auto colon = name.find(':');
    if (colon != std::string_view::npos) name.remove_prefix(colon + 1);
    static constexpr std::string_view kDefinitions[] = {
        "defs",     "symbol",         "title",          "desc",    "metadata",
        "script",   "linearGradient", "radialGradient", "pattern", "marker",
        "clipPath", "mask",           "filter",         "style",   "namedview",
        "font",     "font-face",      "color-profile",  "cursor",  "view"};
    for (std::string_view definition : kDefinitions)
        if (name == definition) return true;
    return false;
}

void ClaimIds(pugi::xml_node element, WrittenIds& ids) {
    std::vector<pugi::xml_node> pending{element};
    while (!pending.empty()) {
        pugi::xml_node node = pending.back();
        pending.pop_back();
        if (auto id = node.attribute("id")) id.set_value(ids.Claim(id.value()).c_str());
        for (auto child : node.children())
            if (child.type() == pugi::node_element) pending.push_back(child);
    }
}

}  // namespace

std::string WrittenIds::Claim(const std::string& id) {
    if (taken_.insert(id).second) return id;
    for (std::size_t n = 2;; ++n) {
        std::string variant = id + "-" + std::to_string(n);
        if (taken_.insert(variant).second) return variant;
    }
}

bool IsIdentity(const Matrix& m) {
    return m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1 && m.e == 0 && m.f == 0;
}

Matrix OwnSpace(const Art& art, const Matrix& outer) {
    const KeptMarkup* kept = art.kept();
    // A text's own space is its matrix, written whole.
    if (!kept || !kept->hasSpace || art.kind() == ArtKind::Text) return outer;
    Matrix space = FromPlaneMap(kept->space);
    return Inverse(space) ? space : outer;
}

std::string RelativeTransform(const Matrix& outer, const Matrix& inner) {
    auto undo = Inverse(outer);
    if (!undo) return "";
    const Matrix m = *undo * inner;
    if (IsIdentity(m)) return "";
    std::string text = "matrix(";
    for (double v : {m.a, m.b, m.c, m.d, m.e, m.f}) text += FormatDouble(v) + " ";
    text.back() = ')';
    return text;
}

void WriteKeptAttributes(pugi::xml_node node, const KeptMarkup& kept, bool paints,
                         WrittenIds& ids) {
    for (const auto& [name, value] : kept.attributes) {
        pugi::xml_attribute present = node.attribute(name.c_str());
        if (name == "id") {
            if (!present) node.append_attribute("id").set_value(ids.Claim(value).c_str());
        } else if (!present) {
            node.append_attribute(name.c_str()).set_value(value.c_str());
        } else if (name == "style") {
            present.set_value((std::string(present.value()) + ";" + value).c_str());
        } else if (name == "fill" || name == "stroke") {
            present.set_value(value.c_str());
        }
    }
    SetOpacity(node, "opacity", kept.opacity);
    if (!paints) return;
    SetOpacity(node, "fill-opacity", kept.fillOpacity);
    SetOpacity(node, "stroke-opacity", kept.strokeOpacity);
}

pugi::xml_node AppendKeptMarkup(pugi::xml_node parent, const std::string& markup, WrittenIds& ids) {
    if (markup.empty()) return {};
    pugi::xml_node last = parent.last_child();
    parent.append_buffer(markup.data(), markup.size(), kMarkupParsing, pugi::encoding_utf8);
    pugi::xml_node first;
    for (pugi::xml_node node = last ? last.next_sibling() : parent.first_child(); node;
         node = node.next_sibling()) {
        if (node.type() != pugi::node_element) continue;
        if (!first) first = node;
        KeepLayout(node);
        ClaimIds(node, ids);
    }
    return first;
}

void WriteKeptElement(pugi::xml_node parent, const KeptMarkup& kept, const WriteSpace& outer) {
    pugi::xml_node element = AppendKeptMarkup(parent, kept.element, *outer.ids);
    if (!element || IsDefinition(element.name())) return;
    // The user space the element stood in, before its own transform.
    const Matrix stood = kept.hasSpace ? FromPlaneMap(kept.space) : Matrix();
    const std::string transform = RelativeTransform(outer.toDocument, stood);
    if (transform.empty()) return;
    pugi::xml_attribute own = element.attribute("transform");
    if (!own) own = element.append_attribute("transform");
    own.set_value((transform + (*own.value() ? " " : "") + own.value()).c_str());
}

}  // namespace host::svg
