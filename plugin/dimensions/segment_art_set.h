// The pieces of a segment dimension, made in the current dimension group.
#pragma once

#include "sdk/types.h"

namespace quill {

/// Creates, in the current group, the pieces of a segment dimension in their stacking
/// order (tolerance texts, label, extension lines 1 and 2, lines B and A, arrowheads)
/// for slot 0 or 1, and marks a segment dimension as under construction. The line pieces
/// get the segment marker, and line A the main-line marker, when `associative`.
/// Nothing when the group is gone.
AIErr CreateSegmentArtSet(int slot, bool associative);

/// The pieces of a dimension along a curve: label, tolerance texts, extension lines,
/// line A and arrowheads, no markers.
AIErr CreateCurveArtSet();

/// The pieces of an arc dimension: label, tolerance texts, extension lines, the
/// dimension arc and arrowheads, no markers.
AIErr CreateArcArtSet();

/// Forgets the handles of every piece (the art stays in the document).
void ForgetArtSet();

}  // namespace quill
