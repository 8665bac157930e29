// The dimensions a drawing holds: the groups of the dimensions layer whose pieces carry
// the kind markers, with the piece a press rebuilds them from and what they show.
#pragma once

#include <string>
#include <vector>

#include "host/document/document.h"

namespace quill::update {

enum class DimensionKind { Segment, Angle, Circle, Other };

/// The kind's name in reports: "segment", "angle", "circle", "other".
const char* KindName(DimensionKind kind);

/// The tag that marks the lines of a dimension of that kind ("mods", "moda", "modc"; a
/// segment's for other kinds).
const char* MarkerOf(DimensionKind kind);

/// One dimension group as the drawing holds it before the update.
struct SurveyedDimension {
    host::ObjectId group = 0;
    /// The piece that carries the link: line A of a segment dimension, the arc (or square)
    /// of an angle dimension, the leader of a circle dimension; 0 when none.
    host::ObjectId linkPiece = 0;
    DimensionKind kind = DimensionKind::Other;
    /// Its link names what it measures, so that its tool's press rebuilds it.
    bool associative = false;
    std::string name;   // the group's name, UTF-8
    int ordinal = 0;    // its place in the layer, 1 at the bottom
    std::string label;  // the label's text, UTF-8; empty when it shows none
    /// The label's anchor, else the link piece's first anchor, else the first anchor of
    /// any of its paths (0,0 when it has none).
    AIRealPoint position{0, 0};
};

/// The dimension groups (groups holding art tagged as dimension pieces) of the layer
/// titled `layerTitle`, bottom to top; none when there is no such layer.
std::vector<SurveyedDimension> SurveyDimensions(const host::Document& document,
                                                const std::string& layerTitle);

/// What a dimension group shows: its texts, bottom to top, joined by a space.
std::string LabelOf(const host::Art& group);

}  // namespace quill::update
