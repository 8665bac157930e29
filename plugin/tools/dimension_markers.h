// The tags that mark dimension art, as the hover classification reads them: "orl" on
// every piece of a dimension, and the kind markers on the pieces that can be clicked to
// rebuild one.
#pragma once

namespace quill::markers {

constexpr char kDimensionPiece[] = "orl";
constexpr char kSegmentKind[] = "mods";
constexpr char kAngleKind[] = "moda";
constexpr char kCircleKind[] = "modc";

}  // namespace quill::markers
