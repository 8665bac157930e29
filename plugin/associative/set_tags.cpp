#include "plugin/associative/set_tags.h"

#include <algorithm>
#include <cstdlib>

#include "plugin/services/host_art.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/tags.h"

namespace quill {

AIErr TagSetMember(const DimensionSlot& pieces, const std::string& setName, const SetLine& line) {
    const std::string place = SetLineText(line);
    HostSteps steps;
    for (AIArtHandle piece : {pieces.lineA, pieces.lineB}) {
        if (!IsValidArt(piece)) continue;
        steps << WriteTag(piece, tags::kSetName, setName.c_str());
        steps << WriteTag(piece, tags::kSetLine, place.c_str());
    }
    return steps.Last();
}

std::optional<SetLine> SetLineOf(AIArtHandle piece) {
    char value[tags::kValueCapacity];
    if (!ReadTag(piece, tags::kSetLine, value, sizeof value)) return std::nullopt;
    return ParseSetLine(value);
}

std::string SetNameOf(AIArtHandle piece) {
    char value[tags::kValueCapacity];
    return ReadTag(piece, tags::kSetName, value, sizeof value) ? value : "";
}

std::string NewSetName() {
    long largest = 0;
    char value[tags::kValueCapacity];
    for (AIArtHandle path : UnlockedPaths())
        if (ReadTag(path, tags::kSetName, value, sizeof value))
            largest = std::max(largest, std::strtol(value, nullptr, 10));
    return std::to_string(largest + 1);
}

}  // namespace quill
