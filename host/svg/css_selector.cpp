// Matching selectors against elements, from the right: the element first, then the
// elements its combinators lead to.
#include "host/svg/css_selector.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "host/svg/css_text.h"

namespace host::svg {

namespace {

// How a match failed, so that a failure further left is not retried in vain (the way
// browsers keep matching linear in the depth of the tree).
enum class Outcome { Matched, RetryLaterSibling, RetryDescendant, NeverMatches };

pugi::xml_node ParentElement(const pugi::xml_node& element) {
    pugi::xml_node parent = element.parent();
    return parent.type() == pugi::node_element ? parent : pugi::xml_node();
}

pugi::xml_node PreviousElement(const pugi::xml_node& element) {
    for (auto sibling = element.previous_sibling(); sibling; sibling = sibling.previous_sibling())
        if (sibling.type() == pugi::node_element) return sibling;
    return {};
}

pugi::xml_node NextElement(const pugi::xml_node& element) {
    for (auto sibling = element.next_sibling(); sibling; sibling = sibling.next_sibling())
        if (sibling.type() == pugi::node_element) return sibling;
    return {};
}

bool HasWord(std::string_view words, std::string_view word) {
    return AnyWord(words, [&](std::string_view each) { return each == word; });
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool Compare(std::string_view actual, std::string_view expected, bool ignoreCase) {
    return ignoreCase ? EqualIgnoringCase(actual, expected) : actual == expected;
}

bool MatchesAttribute(const AttributeTest& test, const pugi::xml_node& element) {
    pugi::xml_attribute attribute = element.attribute(test.name.c_str());
    if (!attribute) return false;
    const std::string_view value = attribute.value(), wanted = test.value;
    const bool noCase = test.ignoreCase;
    using Op = AttributeTest::Operator;
    switch (test.op) {
        case Op::Exists:
            return true;
        case Op::Equals:
            return Compare(value, wanted, noCase);
        case Op::Includes:
            if (noCase) {
                for (std::size_t pos = 0; pos + wanted.size() <= value.size(); ++pos)
                    if ((pos == 0 || IsCssSpace(value[pos - 1])) &&
                        (pos + wanted.size() == value.size() ||
                         IsCssSpace(value[pos + wanted.size()])) &&
                        EqualIgnoringCase(value.substr(pos, wanted.size()), wanted))
                        return !wanted.empty();
                return false;
            }
            return HasWord(value, wanted);
        case Op::DashMatch:
            return Compare(value, wanted, noCase) ||
                   (value.size() > wanted.size() && value[wanted.size()] == '-' &&
                    Compare(value.substr(0, wanted.size()), wanted, noCase));
        case Op::Prefix:
            return !wanted.empty() && value.size() >= wanted.size() &&
                   Compare(value.substr(0, wanted.size()), wanted, noCase);
        case Op::Suffix:
            return !wanted.empty() && value.size() >= wanted.size() &&
                   Compare(value.substr(value.size() - wanted.size()), wanted, noCase);
        case Op::Contains:
            for (std::size_t pos = 0; !wanted.empty() && pos + wanted.size() <= value.size(); ++pos)
                if (Compare(value.substr(pos, wanted.size()), wanted, noCase)) return true;
            return false;
    }
    return false;
}

bool HasLink(const pugi::xml_node& element) {
    if (LocalName(element) != "a") return false;
    for (const auto& attribute : element.attributes()) {
        const char* name = attribute.name();
        const char* colon = std::strrchr(name, ':');
        if (std::strcmp(colon ? colon + 1 : name, "href") == 0) return true;
    }
    return false;
}

bool IsEmpty(const pugi::xml_node& element) {
    for (const auto& child : element.children()) {
        const auto type = child.type();
        if (type == pugi::node_element) return false;
        if ((type == pugi::node_pcdata || type == pugi::node_cdata) && *child.value()) return false;
    }
    return true;
}

bool MatchesPseudoClass(PseudoClass pseudo, const pugi::xml_node& element) {
    switch (pseudo) {
        case PseudoClass::FirstChild:
            return !PreviousElement(element);
        case PseudoClass::LastChild:
            return !NextElement(element);
        case PseudoClass::OnlyChild:
            return !PreviousElement(element) && !NextElement(element);
        case PseudoClass::Root:
            return element.parent().type() == pugi::node_document;
        case PseudoClass::Empty:
            return IsEmpty(element);
        case PseudoClass::Link:
            return HasLink(element);
    }
    return false;
}

bool MatchesCompound(const CompoundSelector& compound, const pugi::xml_node& element) {
    if (compound.never) return false;
    if (!compound.type.empty() && LocalName(element) != compound.type) return false;
    for (const auto& id : compound.ids)
        if (id != element.attribute("id").value()) return false;
    if (!compound.classes.empty()) {
        const std::string_view classes = element.attribute("class").value();
        for (const auto& name : compound.classes)
            if (!HasWord(classes, name)) return false;
    }
    for (const auto& test : compound.attributes)
        if (!MatchesAttribute(test, element)) return false;
    for (PseudoClass pseudo : compound.pseudoClasses)
        if (!MatchesPseudoClass(pseudo, element)) return false;
    for (const auto& negated : compound.negations)
        if (MatchesCompound(negated, element)) return false;
    return true;
}

pugi::xml_node Step(const pugi::xml_node& element, Combinator combinator) {
    return combinator == Combinator::Descendant || combinator == Combinator::Child
               ? ParentElement(element)
               : PreviousElement(element);
}

Outcome MatchFrom(const ComplexSelector& selector, std::size_t index,
                  const pugi::xml_node& element) {
    if (!MatchesCompound(selector.compounds[index], element)) return Outcome::RetryLaterSibling;
    if (index + 1 == selector.compounds.size()) return Outcome::Matched;
    const Combinator combinator = selector.combinators[index];
    const bool sibling =
        combinator == Combinator::NextSibling || combinator == Combinator::LaterSibling;
    for (pugi::xml_node next = Step(element, combinator);; next = Step(next, combinator)) {
        // No candidate left: a sibling chain may still match from another ancestor.
        if (!next) return sibling ? Outcome::RetryDescendant : Outcome::NeverMatches;
        const Outcome outcome = MatchFrom(selector, index + 1, next);
        if (outcome == Outcome::Matched || outcome == Outcome::NeverMatches ||
            combinator == Combinator::NextSibling)
            return outcome;
        if (combinator == Combinator::Child) return Outcome::RetryDescendant;
        if (combinator == Combinator::LaterSibling && outcome == Outcome::RetryDescendant)
            return outcome;
    }
}

bool NeedsEarlierSiblings(const CompoundSelector& compound) {
    for (PseudoClass pseudo : compound.pseudoClasses)
        if (pseudo == PseudoClass::FirstChild || pseudo == PseudoClass::OnlyChild) return true;
    return std::any_of(compound.negations.begin(), compound.negations.end(), NeedsEarlierSiblings);
}

}  // namespace

std::string_view LocalName(const pugi::xml_node& element) {
    const char* name = element.name();
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool Matches(const ComplexSelector& selector, const pugi::xml_node& element) {
    return !selector.compounds.empty() && MatchFrom(selector, 0, element) == Outcome::Matched;
}

bool LooksAtEarlierSiblings(const ComplexSelector& selector) {
    for (Combinator combinator : selector.combinators)
        if (combinator == Combinator::NextSibling || combinator == Combinator::LaterSibling)
            return true;
    return std::any_of(selector.compounds.begin(), selector.compounds.end(), NeedsEarlierSiblings);
}

}  // namespace host::svg
