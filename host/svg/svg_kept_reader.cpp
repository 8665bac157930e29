#include "host/svg/svg_kept_reader.h"

#include <cmath>
#include <string_view>

#include "host/svg/svg_names.h"
#include "host/svg/xml_text_writer.h"

namespace host::svg {

namespace {

constexpr int kDeepestTextNesting = 32;

// The element as the file wrote it, its white space included.
std::string Markup(const pugi::xml_node& node) {
    XmlTextWriter out;
    node.print(out, "", pugi::format_raw, pugi::encoding_utf8);
    return out.text;
}

bool HasPrefix(std::string_view name, const std::vector<std::string>& prefixes) {
    for (const auto& prefix : prefixes)
        if (name.substr(0, prefix.size()) == prefix) return true;
    return false;
}

// Editors' attributes that rebuild a shape from their own parameters (an arc's centre, a
// path effect's source): the saved geometry has its transforms applied and would no
// longer match them.
constexpr std::string_view kRebuildingAttributes[] = {"type", "path-effect", "original-d"};

// Attributes that neither draw nor place anything: what scripts, assistive software and
// a switch's choice read.
constexpr std::string_view kDescriptiveAttributes[] = {"class",
                                                       "role",
                                                       "lang",
                                                       "tabindex",
                                                       "focusable",
                                                       "systemLanguage",
                                                       "requiredFeatures",
                                                       "requiredExtensions"};

// Whether an attribute goes back to the file as it was: the id, the class (which the
// kept style sheets select), descriptive attributes (data-*, aria-*, role...), and
// attributes of other namespaces than the host's and xlink (whose references the
// document follows itself).
bool IsKeptAttribute(std::string_view name, ReaderContext& context) {
    if (name == "id" || name.substr(0, 5) == "data-" || name.substr(0, 5) == "aria-") return true;
    for (std::string_view descriptive : kDescriptiveAttributes)
        if (name == descriptive) return true;
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos) return false;
    if (HasPrefix(name, context.Prefixes(Namespace::Quill))) return false;
    const std::string_view prefix = name.substr(0, colon);
    if (prefix == "xml") return true;
    if (prefix == "xmlns" || prefix == "xlink" ||
        HasPrefix(name, context.Prefixes(Namespace::XLink)))
        return false;
    if (HasPrefix(name, context.Prefixes(Namespace::Sodipodi)) ||
        HasPrefix(name, context.Prefixes(Namespace::Inkscape)))
        for (std::string_view rebuilding : kRebuildingAttributes)
            if (rebuilding == name.substr(colon + 1)) return false;
    // A prefix the root does not declare would be unbound where the host writes it.
    return context.DeclaresPrefix(prefix);
}

// Where a link leads and how: its target, under the xlink prefix the host declares.
void KeepLinkAttribute(const pugi::xml_attribute& attribute, ReaderContext& context,
                       std::vector<std::pair<std::string, std::string>>& attributes) {
    const std::string_view name = attribute.name();
    if (name == "href" || name == "target") {
        attributes.emplace_back(name, attribute.value());
        return;
    }
    const auto colon = name.find(':');
    if (colon == std::string_view::npos ||
        !HasPrefix(attribute.name(), context.Prefixes(Namespace::XLink)))
        return;
    attributes.emplace_back(std::string(kXLinkPrefix) + std::string(name.substr(colon)),
                            attribute.value());
}

std::string PaintReference(const Paint& paint) {
    std::string text = "url(#" + paint.reference + ")";
    if (paint.hasFallback) text += " " + (paint.fallbackNone ? "none" : HexColor(paint.fallback));
    return text;
}

double PaintAlpha(const Paint& paint, const Style& style) {
    switch (paint.kind) {
        case Paint::Kind::Color:
            return paint.color.alpha;
        case Paint::Kind::CurrentColor:
            return style.color.alpha;
        default:
            return 1;
    }
}

// The child elements of a shape: titles, descriptions, animations; not the host's own
// records of a compound path's members, which are read into the members.
std::string ChildElements(const pugi::xml_node& node, ReaderContext& context) {
    std::string markup;
    for (auto child : node.children())
        if (child.type() == pugi::node_element &&
            !HasPrefix(child.name(), context.Prefixes(Namespace::Quill)))
            markup += Markup(child);
    return markup;
}

bool IsInvertible(const Matrix& m) {
    const double det = m.Determinant();
    return m.IsFinite() && det != 0 && std::isfinite(1 / det);
}

PlaneMap ToPlaneMap(const Matrix& m) {
    return {m.a, m.b, m.c, m.d, m.e, m.f};
}

// Whether the text holds a part laid out along a path or taken from another text.
bool HoldsForeignLayout(const pugi::xml_node& node, ReaderContext& context, int depth) {
    if (depth > kDeepestTextNesting) return false;
    for (auto child : node.children()) {
        if (child.type() != pugi::node_element) continue;
        const std::string_view name = context.SvgName(child);
        if (name == "textPath" || name == "tref" || HoldsForeignLayout(child, context, depth + 1))
            return true;
    }
    return false;
}

}  // namespace

void KeepMarkup(const pugi::xml_node& node, const Frame& frame, bool keepId, ReaderContext& context,
                Art* art) {
    const Style& style = frame.style;
    std::vector<std::pair<std::string, std::string>> attributes;
    const bool link = context.SvgName(node) == "a";
    const bool text = art->kind() == ArtKind::Text;
    for (const auto& [name, attribute] : context.AttributesOf(node).all) {
        // A text says its own xml:space when it is written.
        if (text && name == "xml:space") continue;
        if ((keepId || name != "id") && IsKeptAttribute(name, context))
            attributes.emplace_back(name, attribute.value());
        else if (link)
            KeepLinkAttribute(attribute, context, attributes);
    }
    // A text along the element draws in its user space as much as a reference does.
    const auto id = context.AttributesOf(node).id;
    bool references = style.unmodeled.find("url(") != std::string::npos ||
                      (id && keepId && context.IsFollowedByText(id.value()));
    const bool paints = art->kind() != ArtKind::Group;
    if (paints)
        for (auto [property, paint] : {std::pair{"fill", &style.fill}, {"stroke", &style.stroke}})
            if (paint->kind == Paint::Kind::Reference) {
                attributes.emplace_back(property, PaintReference(*paint));
                references = true;
            }
    if (!style.unmodeled.empty()) attributes.emplace_back("style", style.unmodeled);
    const auto opacity = static_cast<float>(style.opacity);
    const auto fillOpacity =
        static_cast<float>(paints ? style.fillOpacity * PaintAlpha(style.fill, style) : 1);
    const auto strokeOpacity =
        static_cast<float>(paints ? style.strokeOpacity * PaintAlpha(style.stroke, style) : 1);
    const bool shape = art->kind() == ArtKind::Path || art->kind() == ArtKind::CompoundPath;
    std::string children = shape ? ChildElements(node, context) : std::string();
    const bool space = references && IsInvertible(frame.ctm);
    if (attributes.empty() && opacity == 1 && fillOpacity == 1 && strokeOpacity == 1 &&
        children.empty() && !space)
        return;
    KeptMarkup& kept = art->keep();
    kept.attributes = std::move(attributes);
    kept.children = std::move(children);
    kept.opacity = opacity;
    kept.fillOpacity = fillOpacity;
    kept.strokeOpacity = strokeOpacity;
    kept.hasSpace = space;
    if (space) kept.space = ToPlaneMap(frame.ctm);
}

void KeepLayerMarkup(const pugi::xml_node& node, const Frame& frame, ReaderContext& context,
                     Art* group) {
    KeepMarkup(node, frame, true, context, group);
    if (!group->kept()) return;
    // Locking is the layer's state: the host writes it when the layer is locked.
    const auto& sodipodi = context.Prefixes(Namespace::Sodipodi);
    auto& attributes = group->keep().attributes;
    for (auto a = attributes.begin(); a != attributes.end();)
        a = HasPrefix(a->first, sodipodi) &&
                    a->first.compare(a->first.find(':') + 1, std::string::npos, "insensitive") == 0
                ? attributes.erase(a)
                : a + 1;
}

void KeepWholeElement(pugi::xml_node node, const Matrix& parentSpace, Art* piece) {
    // Namespaces declared between the root and the element go with it.
    for (auto up = node.parent(); node.type() == pugi::node_element && up && up.parent() &&
                                  up.parent().type() != pugi::node_document;
         up = up.parent())
        for (const auto& attribute : up.attributes()) {
            const std::string_view name = attribute.name();
            if (name.substr(0, 5) == "xmlns" && !node.attribute(attribute.name()))
                node.append_attribute(attribute.name()).set_value(attribute.value());
        }
    KeptMarkup& kept = piece->keep();
    kept.element = Markup(node);
    if (IsInvertible(parentSpace)) {
        kept.space = ToPlaneMap(parentSpace);
        kept.hasSpace = !kept.space.IsIdentity();
    }
}

void KeepRootMarkup(const pugi::xml_node& root, ReaderContext& context, Document& document) {
    std::string prologue;
    for (auto before = root.previous_sibling(); before; before = before.previous_sibling())
        if (before.type() == pugi::node_comment) prologue.insert(0, Markup(before));
    document.SetPrologue(std::move(prologue));
    KeptMarkup& kept = document.keep();
    // The host declares its own prefixes, SVG's and xlink's.
    const std::string_view ownPrefixes[] = {kQuillPrefix, kInkscapePrefix, kSodipodiPrefix,
                                            kXLinkPrefix};
    for (const auto& attribute : root.attributes()) {
        const std::string_view name = attribute.name();
        if (name.substr(0, 6) == "xmlns:") {
            bool own = false;
            for (std::string_view prefix : ownPrefixes) own = own || name.substr(6) == prefix;
            if (!own) kept.attributes.emplace_back(attribute.name(), attribute.value());
        } else if (IsKeptAttribute(attribute.name(), context)) {
            kept.attributes.emplace_back(attribute.name(), attribute.value());
        }
    }
}

void KeepBesideLayers(const pugi::xml_node& node, Document& document) {
    document.keep().element += Markup(node);
}

bool IsTextWithoutArt(const pugi::xml_node& text, ReaderContext& context) {
    return HoldsForeignLayout(text, context, 0);
}

}  // namespace host::svg
