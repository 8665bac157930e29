// Finding art by type and user attributes, and transforming art: the document-wide
// services behind the matching-art, art-set and transform suites.
#pragma once

#include <vector>

#include "host/document/document.h"
#include "sdk/sdk.h"

namespace host {

/// The SDK's art type of a kind of art (kGroupArt, kPathArt, ...).
int16_t SdkArtType(ArtKind kind);

/// Whether the art is what is wanted: its type (kAnyArt: any) and its user attributes
/// masked by whichAttr equal to attr.
bool Matches(const Art& art, const AIMatchingArtRule& wanted);

/// Every art (layer groups excluded) matching one of the rules, in paint order: bottom
/// layer first, back to front, a group before its children.
std::vector<Art*> MatchingArt(const Document& document, const AIMatchingArtRule* rules, int count);
/// The identities of the same art, in pieces, worked out again only where the paint order
/// changed since the last question (valid until the next one).
const std::vector<const std::vector<ObjectId>*>& MatchingArtIds(const Document& document,
                                                                const AIMatchingArtRule* rules,
                                                                int count);

/// Applies the matrix, (x, y) → (a x + c y + tx, b x + d y + ty), to the art: with
/// kTransformObjects to the points of paths and the matrices of texts (a group: every
/// child); with kScaleLines stroke widths are multiplied by `lineScale`. Other flags are
/// ignored.
/// False, the art unchanged, when the result would lie beyond what a document holds.
bool TransformArt(Document& document, Art& art, const AIRealMatrix& matrix, float lineScale,
                  int flags);

}  // namespace host
