#include "host/document/matching_memo.h"

#include <algorithm>
#include <unordered_map>

namespace host {

namespace {

// Questions asked with different rules are kept this many at a time.
constexpr std::size_t kMostRuleSetsKept = 4;

bool SameRules(const std::vector<AIMatchingArtRule>& kept, const AIMatchingArtRule* rules,
               int count) {
    if (kept.size() != static_cast<std::size_t>(count)) return false;
    for (int i = 0; i < count; ++i)
        if (kept[i].type != rules[i].type || kept[i].whichAttr != rules[i].whichAttr ||
            kept[i].attr != rules[i].attr)
            return false;
    return true;
}

}  // namespace

MatchingMemo::Kept& MatchingMemo::KeptFor(const AIMatchingArtRule* rules, int count) {
    for (Kept& kept : kept_)
        if (SameRules(kept.rules, rules, count)) return kept;
    if (kept_.size() >= kMostRuleSetsKept)
        kept_.erase(std::min_element(kept_.begin(), kept_.end(), [](const Kept& a, const Kept& b) {
            return a.lastAsked < b.lastAsked;
        }));
    kept_.push_back(Kept{{rules, rules + count}, {}, 0});
    return kept_.back();
}

const std::vector<const std::vector<ObjectId>*>& MatchingMemo::Answer(
    const PaintOrderList& list, const AIMatchingArtRule* rules, int count, Test test) {
    Kept& kept = KeptFor(rules, count);
    kept.lastAsked = ++questions_;
    std::unordered_map<std::uint64_t, std::size_t> before;
    before.reserve(kept.blocks.size());
    for (std::size_t i = 0; i < kept.blocks.size(); ++i) before.emplace(kept.blocks[i].stamp, i);

    std::vector<BlockAnswer> blocks;
    list.ForEachBlock([&](std::uint64_t stamp, const std::vector<Art*>& arts) {
        const auto found = before.find(stamp);
        if (found != before.end()) {
            blocks.push_back(std::move(kept.blocks[found->second]));
            return;
        }
        BlockAnswer answer{stamp, {}};
        for (const Art* art : arts)
            if (test(*art, rules, count)) answer.ids.push_back(art->id());
        blocks.push_back(std::move(answer));
    });
    kept.blocks = std::move(blocks);

    answer_.clear();
    for (const BlockAnswer& block : kept.blocks)
        if (!block.ids.empty()) answer_.push_back(&block.ids);
    return answer_;
}

}  // namespace host
