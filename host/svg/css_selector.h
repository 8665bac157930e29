// CSS selectors: read from their text, their specificity, and whether an element of the
// XML tree matches one. Type, universal, class, id and attribute selectors, compounds of
// them, the descendant, child, next-sibling and later-sibling combinators, and the
// pseudo-classes that a picture can decide (:first-child, :last-child, :only-child,
// :root, :empty, :link, :not()); dynamic ones (:hover...) and pseudo-elements never match.
#pragma once

#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

struct AttributeTest {
    enum class Operator { Exists, Equals, Includes, DashMatch, Prefix, Suffix, Contains };
    std::string name, value;
    Operator op = Operator::Exists;
    bool ignoreCase = false;  // the value, after an "i" flag
};

enum class PseudoClass { FirstChild, LastChild, OnlyChild, Root, Empty, Link };

/// Simple selectors that one element must all match. An empty compound matches any
/// element; one that `never` matches stands for a dynamic pseudo-class or an element
/// that a picture does not have.
struct CompoundSelector {
    std::string type;  // the element's local name, "" for any
    std::vector<std::string> ids, classes;
    std::vector<AttributeTest> attributes;
    std::vector<PseudoClass> pseudoClasses;
    std::vector<CompoundSelector> negations;  // :not(): the element matches none of them
    bool never = false;
};

enum class Combinator { Descendant, Child, NextSibling, LaterSibling };

/// A selector of compounds joined by combinators, kept from right to left: the first
/// compound is the one the element itself must match, and `combinators[i]` says how
/// the element matching `compounds[i + 1]` stands to the one matching `compounds[i]`.
struct ComplexSelector {
    std::vector<CompoundSelector> compounds;
    std::vector<Combinator> combinators;
    /// Ids, then classes, attributes and pseudo-classes, then types, 10 bits each:
    /// a larger number wins.
    std::uint32_t specificity = 0;
};

/// The selectors of a comma-separated list, or nullopt when any of them cannot be read
/// (CSS then drops the whole rule).
std::optional<std::vector<ComplexSelector>> ParseSelectorList(std::string_view text);

/// Whether `element` matches the selector, where it stands in its tree.
bool Matches(const ComplexSelector& selector, const pugi::xml_node& element);

/// Whether matching needs the elements before the element in its parent
/// (a sibling combinator or :first-child).
bool LooksAtEarlierSiblings(const ComplexSelector& selector);

/// The element's name without its namespace prefix.
std::string_view LocalName(const pugi::xml_node& element);

}  // namespace host::svg
