#include "plugin/associative/links.h"

#include <cstdio>
#include <cstring>

#include "plugin/associative/texts.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/tags.h"

namespace quill {

namespace {

constexpr std::size_t kTagCapacity = tags::kValueCapacity;

// The identifier of `linkTag` for the measured path: the one it carries, or the count
// of unlocked paths already linked by that tag (dimension pieces excluded), set on it.
AIErr LinkIdentifier(AIArtHandle path, const char* linkTag, const char* marker,
                     char (&identifier)[kTagCapacity]) {
    if (ReadTag(path, linkTag, identifier, sizeof identifier)) return kNoErr;
    int linked = 0;
    for (AIArtHandle other : UnlockedPaths())
        if (HasTag(other, linkTag) && !HasTag(other, marker)) ++linked;
    std::snprintf(identifier, sizeof identifier, "%d", linked);
    return WriteTag(path, linkTag, identifier);
}

// The line pieces of a segment dimension that carry its links.
int SegmentLinePieces(AIArtHandle (&pieces)[2]) {
    const DimensionSlot& slot = ArtSet().slots[0];
    int count = 0;
    pieces[count++] = slot.lineA;
    if (IsValidArt(slot.lineB)) pieces[count++] = slot.lineB;
    return count;
}

struct IndexTag {
    const char* name;
    std::int16_t anchor;
};

AIErr WriteSegmentLink(AIArtHandle path, const char* linkTag, const IndexTag* indices,
                       int indexCount) {
    char identifier[kTagCapacity];
    AIErr result = LinkIdentifier(path, linkTag, tags::kSegmentMarker, identifier);
    AIArtHandle pieces[2];
    int pieceCount = SegmentLinePieces(pieces);
    for (int p = 0; p < pieceCount; ++p) {
        result = WriteTag(pieces[p], linkTag, identifier);
        for (int i = 0; i < indexCount; ++i) {
            char text[16];
            std::snprintf(text, sizeof text, "%d", indices[i].anchor);
            result = WriteTag(pieces[p], indices[i].name, text);
        }
    }
    return result;
}

}  // namespace

AIErr LinkFirstPoint(AIArtHandle path, std::int16_t anchor) {
    const IndexTag index[] = {{tags::kIndex1, anchor}};
    return WriteSegmentLink(path, tags::kFirstPointLink, index, 1);
}

AIErr LinkSecondPoint(AIArtHandle path, std::int16_t anchor) {
    const IndexTag index[] = {{tags::kIndex2, anchor}};
    return WriteSegmentLink(path, tags::kSecondPointLink, index, 1);
}

AIErr LinkSegment(AIArtHandle path, std::int16_t first, std::int16_t second) {
    const IndexTag indices[] = {{tags::kIndex1, first}, {tags::kIndex2, second}};
    return WriteSegmentLink(path, tags::kSegmentLink, indices, 2);
}

AIArtHandle FindMeasuredPath(const char* linkTag, const char* identifier, const char* marker) {
    char value[kTagCapacity];
    for (AIArtHandle path : UnlockedPaths()) {
        if (!ReadTag(path, linkTag, value, sizeof value) || HasTag(path, marker)) continue;
        if (std::strcmp(value, identifier) == 0) return path;
    }
    ShowAlert(texts::kMeasuredPathNotFound.c_str());
    return nullptr;
}

std::int16_t ReadAnchorIndex(AIArtHandle piece, const char* indexTag) {
    char value[kTagCapacity];
    if (!ReadTag(piece, indexTag, value, sizeof value) || value[0] == '\0') return -1;
    // Digit by digit, whatever the characters are; unsigned so that any text wraps
    // instead of overflowing.
    std::uint16_t index = 0;
    for (const char* c = value; *c; ++c)
        index = static_cast<std::uint16_t>(index * 10u + static_cast<unsigned>(*c - '0'));
    return static_cast<std::int16_t>(index);
}

void MakeSegmentDimensionNonAssociative() {
    const DimensionSlot& slot = ArtSet().slots[0];
    for (AIArtHandle line : {slot.lineA, slot.lineB}) {
        if (!IsValidArt(line)) continue;
        RemoveTag(line, tags::kSegmentMarker);
        RemoveTag(line, tags::kFirstPointLink);
        RemoveTag(line, tags::kIndex1);
    }
}

AIErr LinkAngle(AIArtHandle path, std::int16_t first, std::int16_t vertex, std::int16_t second) {
    char identifier[kTagCapacity];
    AIErr result = LinkIdentifier(path, tags::kAngleLink, tags::kAngleMarker, identifier);
    const AIArtHandle arc = ArtSet().angleArc;
    result = WriteTag(arc, tags::kAngleLink, identifier);
    result = WriteTag(arc, tags::kAngleMarker, tags::kMarkerValue);
    const IndexTag indices[] = {
        {tags::kIndex1, first}, {tags::kIndex2, vertex}, {tags::kIndex3, second}};
    for (const IndexTag& index : indices) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", index.anchor);
        result = WriteTag(arc, index.name, text);
    }
    return result;
}

AIErr LinkCircle(AIArtHandle path, std::int16_t first, std::int16_t second) {
    char identifier[kTagCapacity];
    AIErr result = LinkIdentifier(path, tags::kCircleLink, tags::kCircleMarker, identifier);
    char firstText[16], secondText[16];
    std::snprintf(firstText, sizeof firstText, "%d", first);
    std::snprintf(secondText, sizeof secondText, "%d", second);
    for (AIArtHandle line : {ArtSet().leader, ArtSet().radiusLine}) {
        if (!IsValidArt(line)) continue;
        result = WriteTag(line, tags::kCircleLink, identifier);
        result = WriteTag(line, tags::kIndex1, firstText);
        result = WriteTag(line, tags::kIndex2, secondText);
    }
    return result;
}

}  // namespace quill
