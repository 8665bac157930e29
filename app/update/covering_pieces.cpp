#include "app/update/covering_pieces.h"

namespace quill::update {

CoveringPiecesHidden::CoveringPiecesHidden(host::Document& document, const host::Art& line)
    : document_(document) {
    const host::Art* group = line.parent();
    if (!group || group->layerOfGroup()) return;
    for (const auto& child : group->children()) {
        host::Art& piece = *child;
        if (&piece == &line || (piece.attributes & kArtHidden)) continue;
        hidden_.emplace_back(piece.id(), piece.attributes);
        document_.Touch(piece);
        piece.attributes |= kArtHidden;
    }
}

CoveringPiecesHidden::~CoveringPiecesHidden() {
    for (const auto& [id, attributes] : hidden_)
        if (host::Art* piece = document_.FindArt(id)) {
            document_.Touch(*piece);
            piece->attributes = attributes;
        }
}

}  // namespace quill::update
