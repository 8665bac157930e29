// What every step of reading an SVG file shares: the file's name and text for
// messages, the namespaces its root declares, the elements by id, the warnings.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/svg/svg_element_attributes.h"

namespace host::svg {

/// The one-line reason a file cannot be read; thrown inside the reader only.
struct ReadFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class RuleSet;

enum class Namespace { Svg, XLink, Inkscape, Sodipodi, Quill };
constexpr std::size_t kNamespaces = 5;

class ReaderContext {
 public:
    explicit ReaderContext(std::string fileName);

    /// Learns where the lines of the next piece of the file's text start, for the places
    /// that messages name: the pieces come in order, the whole text before the parse
    /// changes it.
    void CountLines(std::string_view piece);

    /// Learns the prefixes that the root element declares, the number of elements and
    /// those that matter before reading (style sheets, paths that texts run along).
    void Index(const pugi::xml_node& root);

    /// The local name of an SVG element ("path"), or "" for an element of another
    /// namespace (metadata of editors) or a node that is no element.
    std::string_view SvgName(const pugi::xml_node& node) const;
    /// The attribute of that namespace and local name (an empty attribute if absent).
    pugi::xml_attribute Attribute(const pugi::xml_node& node, Namespace ns,
                                  const char* localName) const;
    /// Whether the root declares that prefix ("dc" of xmlns:dc).
    bool DeclaresPrefix(std::string_view prefix) const {
        return namespaceOfPrefix_.count(std::string(prefix)) > 0;
    }
    /// Whether the root declares the namespace (under a prefix).
    bool Declares(Namespace ns) const { return !Prefixes(ns).empty(); }
    /// "prefix:" for every prefix the root declares for the namespace, in order.
    const std::vector<std::string>& Prefixes(Namespace ns) const {
        return prefixes_[static_cast<std::size_t>(ns)];
    }
    /// The element's id, transform, path data and attributes of the host's namespace:
    /// sorted out in one look at its attributes and kept until another element is asked
    /// about, since reading an element asks for several.
    const ElementAttributes& AttributesOf(const pugi::xml_node& node) const;
    /// The element's attributes of the host's namespace, in their order.
    const std::vector<HostAttribute>& HostAttributes(const pugi::xml_node& node) const {
        return AttributesOf(node).host;
    }
    /// How many elements the tree holds (once indexed).
    std::size_t ElementCount() const { return elements_; }
    /// The element with that id, or an empty node. The ids are looked up at the first ask.
    pugi::xml_node FindById(const std::string& id) const;
    /// The elements named "style" (in any namespace), in document order (once indexed).
    const std::vector<pugi::xml_node>& StyleElements() const { return styleElements_; }

    /// The rules of the document's style sheets, or nullptr when it has none.
    const RuleSet* Rules() const { return rules_.get(); }
    void SetRules(std::shared_ptr<const RuleSet> rules) { rules_ = std::move(rules); }
    /// Elements read stay in the tree (see Release).
    void KeepTree() { releasable_ = false; }

    /// Whether a text runs along the element of that id (by a `textPath`): its
    /// coordinates must then be written in the user space the file gave them.
    bool IsFollowedByText(const std::string& id) const { return textPathTargets_.count(id) > 0; }

    /// "<path id="p1">", the element as a message names it.
    std::string Describe(const pugi::xml_node& node) const;
    /// "FILE:LINE: " for the node (the line of its start tag).
    std::string Place(const pugi::xml_node& node) const;
    /// "FILE:LINE:COLUMN: " for an offset in the text.
    std::string PlaceOfOffset(std::ptrdiff_t offset) const;

    /// Records one warning line about `node`.
    void Warn(const pugi::xml_node& node, const std::string& message);
    /// Records one warning line about `node` at the line of an offset in the text (the
    /// node's own line when the offset is negative).
    void WarnAt(const pugi::xml_node& node, std::ptrdiff_t offset, const std::string& message);
    /// Throws ReadFailure: "FILE:LINE: <element>: message".
    [[noreturn]] void Fail(const pugi::xml_node& node, const std::string& message) const;

    /// True the first time it is asked about `key`: for warnings said once per file.
    bool FirstTime(const std::string& key) { return onceKeys_.insert(key).second; }

    /// Called now and then while the tree is read, with the offset in the text reached.
    void OnProgress(std::function<void(std::ptrdiff_t offset)> progress) {
        progress_ = std::move(progress);
    }
    /// Tells the progress callback how far reading has come, at `node`.
    void Progress(const pugi::xml_node& node) const {
        if (progress_) progress_(node.offset_debug());
    }

    /// Called with stretches of the text [begin, end) that nothing reads any more.
    void OnRelease(std::function<void(std::ptrdiff_t begin, std::ptrdiff_t end)> release) {
        release_ = std::move(release);
    }
    /// The node is read and `next` is its next sibling: unless something may refer to it
    /// later (it holds an element with an id), the node is marked read (its name emptied,
    /// see IsReleased) and its text is handed to the release callback, a stretch at a time.
    /// Nothing without a callback.
    void Release(pugi::xml_node node, const pugi::xml_node& next);

    const std::vector<std::string>& warnings() const { return warnings_; }
    const std::string& fileName() const { return fileName_; }

 private:
    std::string PlaceOfLine(std::ptrdiff_t offset) const;  // "FILE:LINE: "
    bool IsSvgPrefix(const std::string& prefix) const;     // "" for unprefixed names
    void NoteTextPathTarget(const pugi::xml_node& textPath);
    /// Whether the node or an element inside it has an id, which something may refer to.
    bool HoldsId(const pugi::xml_node& node) const;
    void ReleaseRead(pugi::xml_node node, const pugi::xml_node& next);

    std::string fileName_;
    std::vector<std::size_t> lineStarts_{0};
    std::size_t counted_ = 0;  // bytes of the text whose lines are known
    std::unordered_map<std::string, std::string> namespaceOfPrefix_;  // "" is the default
    std::array<std::vector<std::string>, kNamespaces> prefixes_;      // learnt by Index
    bool unprefixedIsSvg_ = true;
    pugi::xml_node root_;
    mutable std::unordered_map<std::string, pugi::xml_node> ids_;  // once one is asked for
    mutable bool idsKnown_ = false;
    std::vector<pugi::xml_node> styleElements_;
    std::shared_ptr<const RuleSet> rules_;
    std::unordered_set<std::string> textPathTargets_;
    std::vector<std::string> warnings_;
    std::unordered_set<std::string> onceKeys_;
    std::function<void(std::ptrdiff_t)> progress_;
    std::function<void(std::ptrdiff_t, std::ptrdiff_t)> release_;
    bool releasable_ = true;
    std::ptrdiff_t releasedBegin_ = 0, releasedEnd_ = 0;  // the stretch not yet handed over
    std::size_t elements_ = 0;
    mutable pugi::xml_node attributesOf_;
    mutable ElementAttributes attributes_;
};

/// The text with control characters replaced by spaces, so that a message stays one line.
std::string OneLine(std::string_view text);

}  // namespace host::svg
