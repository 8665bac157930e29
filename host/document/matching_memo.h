// What a question for art of a type and user attributes found, kept for each block of the
// paint order until the block changes: after a small change in a large drawing, the next
// question looks again only at the blocks that changed.
#pragma once

#include <cstdint>
#include <vector>

#include "host/document/paint_order_list.h"
#include "sdk/sdk.h"

namespace host {

class MatchingMemo {
 public:
    using Test = bool (*)(const Art& art, const AIMatchingArtRule* rules, int count);

    /// The identities of the art of `list` that pass `test` for the rules, in paint order,
    /// in one piece per block; valid until the next question.
    const std::vector<const std::vector<ObjectId>*>& Answer(const PaintOrderList& list,
                                                            const AIMatchingArtRule* rules,
                                                            int count, Test test);

 private:
    struct BlockAnswer {
        std::uint64_t stamp;
        std::vector<ObjectId> ids;
    };
    struct Kept {
        std::vector<AIMatchingArtRule> rules;
        std::vector<BlockAnswer> blocks;  // in paint order
        std::uint64_t lastAsked = 0;
    };
    Kept& KeptFor(const AIMatchingArtRule* rules, int count);

    std::vector<Kept> kept_;
    std::uint64_t questions_ = 0;
    std::vector<const std::vector<ObjectId>*> answer_;
};

}  // namespace host
