// The marks the feedback draws on what lies under the pointer, in the marks colour:
// rings on points, highlighted segments and paths, the plus and minus signs of the
// Lengths & Areas tool.
#pragma once

#include <vector>

#include "plugin/feedback/annotation_drawer.h"
#include "plugin/geometry/types.h"
#include "plugin/tools/hover_marks.h"

namespace quill {

/// A ring of radius 5 − k pixels and line width 2 + k around the point.
void DrawPointMark(AnnotationDrawer& drawer, Point artwork, RingKind kind);
/// A straight line between two artwork points.
void DrawSegmentMark(AnnotationDrawer& drawer, Point from, Point to, float width);
/// Every segment of the path, its closing segment included when closed; at most 32,000.
void DrawPathMark(AnnotationDrawer& drawer, const std::vector<PathSegment>& anchors, bool closed,
                  float width);
/// The segments between two anchors, lower index to higher; equal indices: the whole path.
void DrawPartialPathMark(AnnotationDrawer& drawer, const std::vector<PathSegment>& anchors,
                         bool closed, int anchorA, int anchorB);
/// The plus sign beside the pointer (view pixels), or its horizontal stroke alone.
void DrawPlusSign(AnnotationDrawer& drawer, AIPoint pointer);
void DrawMinusSign(AnnotationDrawer& drawer, AIPoint pointer);

}  // namespace quill
