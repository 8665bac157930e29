#include "host/svg/svg_context.h"

#include <algorithm>

#include "host/svg/svg_names.h"

namespace host::svg {

namespace {

constexpr std::size_t kLongestQuotedValue = 40;  // characters of an id quoted in a message

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

ReaderContext::ReaderContext(std::string fileName, std::string_view text)
    : fileName_(std::move(fileName)) {
    lineStarts_.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') lineStarts_.push_back(i + 1);
}

void ReaderContext::Index(const pugi::xml_node& root) {
    for (const auto& attribute : root.attributes()) {
        std::string_view name = attribute.name();
        if (name.substr(0, 6) == "xmlns:")
            prefixes_[attribute.value()] = std::string(name.substr(6)) + ":";
        if (name == "xmlns") prefixes_[attribute.value()] = "";
    }
    // Unprefixed elements are SVG even in files that forget to declare it.
    if (!prefixes_.count(kSvgNamespace)) prefixes_[kSvgNamespace] = "";
    // Without recursion: a file may nest elements very deeply.
    std::vector<pugi::xml_node> pending{root};
    while (!pending.empty()) {
        pugi::xml_node node = pending.back();
        pending.pop_back();
        if (auto id = node.attribute("id")) ids_.emplace(id.value(), node);  // first one wins
        for (auto child = node.last_child(); child; child = child.previous_sibling())
            if (child.type() == pugi::node_element) pending.push_back(child);
    }
}

std::string_view ReaderContext::SvgName(const pugi::xml_node& node) const {
    if (node.type() != pugi::node_element) return {};
    std::string_view name = node.name();
    const std::string& prefix = prefixes_.at(kSvgNamespace);
    if (name.compare(0, prefix.size(), prefix) != 0) return {};
    name.remove_prefix(prefix.size());
    return name.find(':') == std::string_view::npos ? name : std::string_view();
}

pugi::xml_attribute ReaderContext::Attribute(const pugi::xml_node& node, Namespace ns,
                                             const char* localName) const {
    auto found = prefixes_.find(NamespaceUri(ns));
    if (found == prefixes_.end()) {
        // Attributes of xlink keep their usual prefix even when the root forgot it.
        if (ns != Namespace::XLink) return {};
        return node.attribute((std::string("xlink:") + localName).c_str());
    }
    // SVG's own attributes carry no prefix whatever the elements' prefix is.
    std::string qualified =
        ns == Namespace::Svg ? std::string(localName) : found->second + localName;
    return node.attribute(qualified.c_str());
}

std::optional<std::string> ReaderContext::Prefix(Namespace ns) const {
    auto found = prefixes_.find(NamespaceUri(ns));
    if (found == prefixes_.end()) return std::nullopt;
    return found->second;
}

pugi::xml_node ReaderContext::FindById(const std::string& id) const {
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

std::string ReaderContext::Place(const pugi::xml_node& node) const {
    std::size_t at = node.offset_debug() < 0 ? 0 : static_cast<std::size_t>(node.offset_debug());
    auto line = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), at) - lineStarts_.begin();
    return fileName_ + ":" + std::to_string(line) + ": ";
}

void ReaderContext::Warn(const pugi::xml_node& node, const std::string& message) {
    warnings_.push_back(Place(node) + Describe(node) + ": " + OneLine(message));
}

void ReaderContext::Fail(const pugi::xml_node& node, const std::string& message) const {
    throw ReadFailure(Place(node) + Describe(node) + ": " + OneLine(message));
}

}  // namespace host::svg
