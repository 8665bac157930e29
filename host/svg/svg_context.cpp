#include "host/svg/svg_context.h"

#include <algorithm>
#include <cstring>

#include "host/svg/svg_names.h"

namespace host::svg {

namespace {

constexpr std::size_t kLongestQuotedValue = 40;  // characters of an id quoted in a message
// Released text is handed over in stretches of at least this many bytes.
constexpr std::ptrdiff_t kReleasedAtOnce = std::ptrdiff_t{1} << 20;

// Where the node's text starts ("<" of an element, a text's first character); −1 when
// unknown or not worth the trouble.
std::ptrdiff_t StartOf(const pugi::xml_node& node) {
    const std::ptrdiff_t offset = node.offset_debug();
    if (offset < 0) return -1;
    switch (node.type()) {
        case pugi::node_element:
            return offset - 1;
        case pugi::node_pcdata:
            return offset;
        default:
            return -1;
    }
}

// An element read and given back: its name is emptied (no element read from a file has an
// empty name), and its text, attributes included, may read as zeros.
bool IsReleased(const pugi::xml_node& node) {
    return node.type() == pugi::node_element && *node.name() == 0;
}

// The node after `node` in document order without leaving `root`'s children, or an
// empty node after the last. What a released element held is not looked at.
pugi::xml_node NextInside(pugi::xml_node node, const pugi::xml_node& root) {
    if (IsReleased(node)) {
        if (node == root) return {};
    } else if (pugi::xml_node child = node.first_child()) {
        return child;
    }
    for (; node != root; node = node.parent())
        if (pugi::xml_node next = node.next_sibling()) return next;
    return {};
}

const char* NamespaceUri(Namespace ns) {
    switch (ns) {
        case Namespace::Svg:
            return kSvgNamespace;
        case Namespace::XLink:
            return kXLinkNamespace;
        case Namespace::Inkscape:
            return kInkscapeNamespace;
        case Namespace::Sodipodi:
            return kSodipodiNamespace;
        case Namespace::Quill:
            return kQuillNamespace;
    }
    return "";
}

}  // namespace

std::string OneLine(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return result;
}

ReaderContext::ReaderContext(std::string fileName) : fileName_(std::move(fileName)) {}

void ReaderContext::CountLines(std::string_view piece) {
    const char* begin = piece.data();
    const char* end = begin + piece.size();
    for (const char* at = begin; at < end; ++at) {
        at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
        if (!at) break;
        lineStarts_.push_back(counted_ + static_cast<std::size_t>(at - begin) + 1);
    }
    counted_ += piece.size();
}

void ReaderContext::Index(const pugi::xml_node& root) {
    for (const auto& attribute : root.attributes()) {
        std::string_view name = attribute.name();
        if (name.substr(0, 6) == "xmlns:")
            namespaceOfPrefix_[std::string(name.substr(6))] = attribute.value();
        if (name == "xmlns") namespaceOfPrefix_[""] = attribute.value();
    }
    for (std::size_t ns = 0; ns < kNamespaces; ++ns) {
        auto& prefixes = prefixes_[ns];
        for (const auto& [prefix, uri] : namespaceOfPrefix_)
            if (!prefix.empty() && uri == NamespaceUri(static_cast<Namespace>(ns)))
                prefixes.push_back(prefix + ":");
        std::sort(prefixes.begin(), prefixes.end());
    }
    unprefixedIsSvg_ = IsSvgPrefix("");
    root_ = root;
    // Without recursion: a file may nest elements very deeply. The ids wait until one is
    // asked for: most drawings refer to nothing, and their attributes are not looked at.
    for (pugi::xml_node node = root; node; node = NextInside(node, root)) {
        if (node.type() != pugi::node_element) continue;
        ++elements_;
        const std::string_view name = node.name();
        const auto colon = name.rfind(':');
        if (name.substr(colon == std::string_view::npos ? 0 : colon + 1) == "style")
            styleElements_.push_back(node);
        if (name.size() >= 8 && name.substr(name.size() - 8) == "textPath" &&
            SvgName(node) == "textPath")
            NoteTextPathTarget(node);
    }
}

bool ReaderContext::HoldsId(const pugi::xml_node& node) const {
    for (pugi::xml_node at = node; at; at = NextInside(at, node)) {
        if (at.type() != pugi::node_element || IsReleased(at)) continue;
        // The element just read has its attributes at hand.
        if (at == attributesOf_ ? static_cast<bool>(attributes_.id) : !IdAttribute(at).empty())
            return true;
    }
    return false;
}

void ReaderContext::NoteTextPathTarget(const pugi::xml_node& textPath) {
    auto href = Attribute(textPath, Namespace::XLink, "href");
    std::string_view target = href ? href.value() : textPath.attribute("href").value();
    if (!target.empty() && target.front() == '#') textPathTargets_.emplace(target.substr(1));
}

const ElementAttributes& ReaderContext::AttributesOf(const pugi::xml_node& node) const {
    if (node != attributesOf_) {
        SortAttributes(node, Prefixes(Namespace::Quill), &attributes_);
        attributesOf_ = node;
    }
    return attributes_;
}

void ReaderContext::Release(pugi::xml_node node, const pugi::xml_node& next) {
    if (release_ && releasable_ && next) ReleaseRead(node, next);
    // The node may be gone: nothing of it stays at hand (an empty node has no attributes).
    attributesOf_ = pugi::xml_node();
    attributes_.Clear();
}

void ReaderContext::ReleaseRead(pugi::xml_node node, const pugi::xml_node& next) {
    const std::ptrdiff_t begin = StartOf(node), end = StartOf(next);
    if (begin < 0 || end <= begin || HoldsId(node)) return;
    // Marked rather than taken out of the tree: in pugixml's compact form, unlinking and
    // freeing each node costs about a tenth of the whole read.
    node.set_name("");
    if (begin <= releasedEnd_ && end >= releasedBegin_) {
        releasedBegin_ = std::min(releasedBegin_, begin);
        releasedEnd_ = std::max(releasedEnd_, end);
    } else {
        releasedBegin_ = begin, releasedEnd_ = end;
    }
    if (releasedEnd_ - releasedBegin_ < kReleasedAtOnce) return;
    release_(releasedBegin_, releasedEnd_);
    releasedBegin_ = releasedEnd_;
}

bool ReaderContext::IsSvgPrefix(const std::string& prefix) const {
    auto found = namespaceOfPrefix_.find(prefix);
    // Unprefixed elements are SVG also in files that forget to declare it, or that name
    // it through an entity of their DTD (which is not expanded).
    return found == namespaceOfPrefix_.end()
               ? prefix.empty()
               : found->second == kSvgNamespace || (prefix.empty() && found->second.find('&') == 0);
}

std::string_view ReaderContext::SvgName(const pugi::xml_node& node) const {
    if (node.type() != pugi::node_element) return {};
    std::string_view name = node.name();
    auto colon = name.find(':');
    if (colon == std::string_view::npos) return unprefixedIsSvg_ ? name : std::string_view();
    if (!IsSvgPrefix(std::string(name.substr(0, colon)))) return {};
    return name.substr(colon + 1);
}

pugi::xml_attribute ReaderContext::Attribute(const pugi::xml_node& node, Namespace ns,
                                             const char* localName) const {
    // SVG's own attributes carry no prefix.
    if (ns == Namespace::Svg) return node.attribute(localName);
    // Attributes of xlink keep their usual prefix even when the root forgot it.
    static const std::vector<std::string> usualXLink{"xlink:"};
    const auto& declared = Prefixes(ns);
    const auto& prefixes = declared.empty() && ns == Namespace::XLink ? usualXLink : declared;
    // Names are compared in place, without building them.
    const std::string_view local = localName;
    const auto& attributes = AttributesOf(node).all;
    for (const auto& prefix : prefixes)
        for (const auto& [name, attribute] : attributes)
            if (name.size() == prefix.size() + local.size() &&
                name.compare(0, prefix.size(), prefix) == 0 && name.substr(prefix.size()) == local)
                return attribute;
    return {};
}

pugi::xml_node ReaderContext::FindById(const std::string& id) const {
    if (!idsKnown_) {
        for (pugi::xml_node node = root_; node; node = NextInside(node, root_))
            if (auto attribute = IsReleased(node) ? pugi::xml_attribute() : IdAttribute(node))
                ids_.emplace(attribute.value(), node);  // first one wins
        idsKnown_ = true;
    }
    auto found = ids_.find(id);
    return found == ids_.end() ? pugi::xml_node() : found->second;
}

std::string ReaderContext::Describe(const pugi::xml_node& node) const {
    std::string text = "<" + OneLine(node.name());
    std::string id = OneLine(node.attribute("id").value());
    if (!id.empty()) {
        if (id.size() > kLongestQuotedValue) id = id.substr(0, kLongestQuotedValue) + "...";
        text += " id=\"" + id + "\"";
    }
    return text + ">";
}

std::string ReaderContext::PlaceOfOffset(std::ptrdiff_t offset) const {
    std::size_t at = offset < 0 ? 0 : static_cast<std::size_t>(offset);
    auto line = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), at) - lineStarts_.begin();
    std::size_t column = at - lineStarts_[static_cast<std::size_t>(line - 1)] + 1;
    return fileName_ + ":" + std::to_string(line) + ":" + std::to_string(column) + ": ";
}

std::string ReaderContext::PlaceOfLine(std::ptrdiff_t offset) const {
    std::size_t at = offset < 0 ? 0 : static_cast<std::size_t>(offset);
    auto line = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), at) - lineStarts_.begin();
    return fileName_ + ":" + std::to_string(line) + ": ";
}

std::string ReaderContext::Place(const pugi::xml_node& node) const {
    return PlaceOfLine(node.offset_debug());
}

void ReaderContext::Warn(const pugi::xml_node& node, const std::string& message) {
    warnings_.push_back(Place(node) + Describe(node) + ": " + OneLine(message));
}

void ReaderContext::WarnAt(const pugi::xml_node& node, std::ptrdiff_t offset,
                           const std::string& message) {
    if (offset < 0) return Warn(node, message);
    warnings_.push_back(PlaceOfLine(offset) + Describe(node) + ": " + OneLine(message));
}

void ReaderContext::Fail(const pugi::xml_node& node, const std::string& message) const {
    throw ReadFailure(Place(node) + Describe(node) + ": " + OneLine(message));
}

}  // namespace host::svg
