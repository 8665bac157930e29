// Contours as the document's path segments, and which anchors are corners.
#pragma once

#include <string>
#include <vector>

#include "host/svg/svg_outline.h"
#include "sdk/sdk.h"

namespace host::svg {

/// Whether the anchor is smooth: both handles out, on one line through the anchor,
/// on opposite sides. Every other anchor is a corner.
bool IsSmooth(const AIPathSegment& segment);

/// The segments of a contour already in document points (rounded to single
/// precision). `corners` ('1' corner, '0' smooth per anchor) sets the corner flags when
/// it has one character per anchor; otherwise they follow the geometry.
std::vector<AIPathSegment> DocumentSegments(const Contour& contour, const std::string& corners);

/// The end handles of an open path as a record ("X Y X Y"), or "" when both are
/// retracted (or the path is closed, where SVG draws them).
std::string EndHandleRecord(const std::vector<AIPathSegment>& segments, bool closed);
/// Sets the end handles of an open contour (in its user space) from a record; false,
/// nothing changed, when the record is malformed or the contour closed.
bool ApplyEndHandleRecord(const std::string& record, Contour& contour);

/// The corner flags as a record, or "" when the geometry says the same.
std::string CornerRecord(const std::vector<AIPathSegment>& segments);

}  // namespace host::svg
