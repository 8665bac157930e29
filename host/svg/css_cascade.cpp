#include "host/svg/css_cascade.h"

#include <algorithm>

#include "host/svg/css_text.h"

namespace host::svg {

void RuleSet::Add(std::vector<ComplexSelector> selectors,
                  std::vector<CssDeclaration> declarations) {
    const std::size_t rule = rules_.size();
    for (const auto& declaration : declarations) properties_.insert(declaration.name);
    rules_.push_back(std::move(declarations));
    for (auto& selector : selectors) {
        const std::size_t place = selectors_.size();
        const CompoundSelector& rightmost = selector.compounds.front();
        if (!rightmost.ids.empty())
            byId_[rightmost.ids.front()].push_back(place);
        else if (!rightmost.classes.empty())
            byClass_[rightmost.classes.front()].push_back(place);
        else if (!rightmost.type.empty())
            byType_[rightmost.type].push_back(place);
        else
            universal_.push_back(place);
        looksAtEarlierSiblings_ = looksAtEarlierSiblings_ || LooksAtEarlierSiblings(selector);
        selectors_.push_back({std::move(selector), rule});
    }
}

void RuleSet::Candidates(const Index& index, std::string_view key,
                         std::vector<std::size_t>* found) const {
    auto entry = index.find(key);
    if (entry != index.end())
        found->insert(found->end(), entry->second.begin(), entry->second.end());
}

void RuleSet::Match(const pugi::xml_node& element, std::vector<SheetDeclaration>* normal,
                    std::vector<SheetDeclaration>* important) const {
    std::vector<std::size_t> candidates = universal_;
    if (!byId_.empty()) Candidates(byId_, element.attribute("id").value(), &candidates);
    if (!byClass_.empty())
        AnyWord(element.attribute("class").value(), [&](std::string_view word) {
            Candidates(byClass_, word, &candidates);
            return false;
        });
    if (!byType_.empty()) Candidates(byType_, LocalName(element), &candidates);
    if (candidates.empty()) return;
    // A class written twice finds its selectors twice.
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    std::vector<std::size_t> matched;
    for (std::size_t place : candidates)
        if (Matches(selectors_[place].selector, element)) matched.push_back(place);
    // Stable: of equal specificity, the later selector (in source order) comes later.
    std::stable_sort(matched.begin(), matched.end(), [&](std::size_t a, std::size_t b) {
        return selectors_[a].selector.specificity < selectors_[b].selector.specificity;
    });
    for (std::size_t place : matched)
        for (const auto& d : rules_[selectors_[place].rule])
            (d.important ? important : normal)->push_back({d.name, d.value, d.important});
}

}  // namespace host::svg
