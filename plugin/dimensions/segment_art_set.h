// The pieces of a segment dimension, made in the current dimension group.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "sdk/types.h"

namespace quill {

/// Whether a segment dimension rebuilds from its links: its line pieces then carry the
/// segment marker, and line A the main-line marker.
enum class Association { Associative, NotAssociative };

/// Creates, in the current group, the pieces of a segment dimension in their stacking
/// order (tolerance texts, label, extension lines 1 and 2, lines B and A, arrowheads)
/// for slot 0 or 1. Nothing is built when the group is gone.
BuildResult CreateSegmentArtSet(int slot, Association association);
/// The pieces of a dimension along a curve: label, tolerance texts, extension lines,
/// line A and arrowheads, no markers.
BuildResult CreateCurveArtSet();
/// The pieces of an arc dimension: label, tolerance texts, extension lines, the
/// dimension arc and arrowheads, no markers.
BuildResult CreateArcArtSet();

}  // namespace quill
