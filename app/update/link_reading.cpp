#include "app/update/link_reading.h"

#include <cstdint>

#include "app/update/link_tags.h"

namespace quill::update {

namespace {

const char* const kMissing = "measured path missing";
const char* const kLocked = "measured path locked";
const char* const kBeyond = "anchor index beyond the path";
const char* const kEditedByHand = "link edited by hand";
const char* const kCoincide = "measured points coincide";

// The marker that dimension pieces linked by the tag carry.
const char* MarkerOf(const std::string& linkTag) {
    if (linkTag == tags::kAngleLink) return tags::kAngleMarker;
    if (linkTag == tags::kCircleLink) return tags::kCircleMarker;
    return tags::kSegmentMarker;
}

// A value written with "%d" from a count or an anchor index: digits only, 16 bits at most.
bool IsWrittenNumber(const std::string& text, long most) {
    if (text.empty() || text.size() > 6) return false;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= most;
}

struct LinkReader {
    const LinkIndex& index;
    const host::Art& piece;
    LinkReading reading;

    bool Fail(const char* why) {
        if (reading.reason.empty()) reading.reason = why;
        return false;
    }

    // The unlocked path that `linkTag` names, as the rebuild searches it.
    const host::Art* Path(const char* linkTag) {
        const std::string* identifier = piece.FindTag(linkTag);
        if (!identifier || !IsWrittenNumber(*identifier, INT32_MAX)) {
            Fail(kEditedByHand);
            return nullptr;
        }
        const auto& paths = index.Paths(linkTag, *identifier);
        for (const host::Art* path : paths)
            if ((path->attributes & kArtLocked) == 0) return path;
        Fail(paths.empty() ? kMissing : kLocked);
        return nullptr;
    }

    bool Anchor(const host::Art* path, const char* indexTag) {
        if (!path) return false;
        const std::string* text = piece.FindTag(indexTag);
        if (!text || !IsWrittenNumber(*text, INT16_MAX)) return Fail(kEditedByHand);
        const auto anchor = static_cast<std::size_t>(std::stol(*text));
        if (anchor >= path->segments.size()) return Fail(kBeyond);
        reading.anchors.push_back(path->segments[anchor]);
        return true;
    }

    bool Segment() {
        if (piece.FindTag(tags::kSegmentLink)) {
            const host::Art* path = Path(tags::kSegmentLink);
            if (!Anchor(path, tags::kIndex1) || !Anchor(path, tags::kIndex2)) return false;
        } else if (!Anchor(Path(tags::kFirstPointLink), tags::kIndex1) ||
                   !Anchor(Path(tags::kSecondPointLink), tags::kIndex2)) {
            return false;
        }
        const AIRealPoint a = reading.anchors[0].p, b = reading.anchors[1].p;
        return a.h == b.h && a.v == b.v ? Fail(kCoincide) : true;
    }

    bool Angle() {
        const host::Art* path = Path(tags::kAngleLink);
        return Anchor(path, tags::kIndex1) && Anchor(path, tags::kIndex2) &&
               Anchor(path, tags::kIndex3);
    }

    bool Circle() {
        const host::Art* path = Path(tags::kCircleLink);
        return Anchor(path, tags::kIndex1) && Anchor(path, tags::kIndex2);
    }
};

}  // namespace

LinkIndex::LinkIndex(const host::Document& document) {
    const char* linkTags[] = {tags::kFirstPointLink, tags::kSecondPointLink, tags::kSegmentLink,
                              tags::kAngleLink, tags::kCircleLink};
    document.ForEachArt([&](host::Art& art) {
        if (art.kind() != host::ArtKind::Path) return;
        for (const char* tag : linkTags) {
            const std::string* value = art.FindTag(tag);
            if (value && !art.FindTag(MarkerOf(tag))) paths_[{tag, *value}].push_back(&art);
        }
    });
}

const std::vector<const host::Art*>& LinkIndex::Paths(const std::string& tag,
                                                      const std::string& identifier) const {
    static const std::vector<const host::Art*> none;
    const auto found = paths_.find({tag, identifier});
    return found == paths_.end() ? none : found->second;
}

LinkReading ReadLink(const LinkIndex& index, const host::Art& piece, DimensionKind kind) {
    LinkReader reader{index, piece, {}};
    bool found = false;
    if (kind == DimensionKind::Segment) found = reader.Segment();
    if (kind == DimensionKind::Angle) found = reader.Angle();
    if (kind == DimensionKind::Circle) found = reader.Circle();
    reader.reading.found = found;
    if (!found && reader.reading.reason.empty()) reader.reading.reason = kEditedByHand;
    return reader.reading;
}

}  // namespace quill::update
