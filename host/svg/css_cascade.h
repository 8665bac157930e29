// The rules of a document's style sheets, and the declarations they give an element, in
// the order of the cascade.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host/svg/css_parser.h"
#include "host/svg/css_selector.h"

namespace host::svg {

/// A declaration that a rule gives an element.
struct SheetDeclaration {
    std::string_view name, value;  // kept by the rule set
    bool important = false;
};

/// Rules in source order. Each selector is filed under its rightmost compound's first
/// id, else its first class, else its type, else with the universal ones: an element is
/// only matched against the selectors its own id, classes and name may meet.
class RuleSet {
 public:
    /// Adds a rule after every rule added before; its selectors share its place.
    void Add(std::vector<ComplexSelector> selectors, std::vector<CssDeclaration> declarations);

    bool empty() const { return selectors_.empty(); }
    /// Whether some rule declares the property.
    bool Declares(std::string_view property) const {
        return properties_.find(property) != properties_.end();
    }
    /// Whether some selector needs the elements before an element in its parent.
    bool looksAtEarlierSiblings() const { return looksAtEarlierSiblings_; }

    /// The declarations the rules give `element`, appended to `normal` and `important`,
    /// each lowest precedence first: by specificity, then by source order.
    void Match(const pugi::xml_node& element, std::vector<SheetDeclaration>* normal,
               std::vector<SheetDeclaration>* important) const;

 private:
    struct FiledSelector {
        ComplexSelector selector;
        std::size_t rule;
    };
    using Index = std::map<std::string, std::vector<std::size_t>, std::less<>>;
    void Candidates(const Index& index, std::string_view key,
                    std::vector<std::size_t>* found) const;

    std::vector<std::vector<CssDeclaration>> rules_;
    std::vector<FiledSelector> selectors_;  // in source order
    Index byId_, byClass_, byType_;
    std::vector<std::size_t> universal_;
    std::set<std::string, std::less<>> properties_;
    bool looksAtEarlierSiblings_ = false;
};

}  // namespace host::svg
