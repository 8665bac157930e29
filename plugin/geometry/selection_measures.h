// The measures of a collection of paths, as the Lengths & Areas tool reports them: the
// length of every path, the area of the closed ones and the number of anchors. Lengths in
// points, areas in square points, single precision.
#pragma once

#include <vector>

#include "plugin/geometry/services.h"

namespace quill {

struct SelectionMeasures {
    float length = 0;  ///< open paths from their first anchor to their last; closed paths
                       ///< their whole perimeter, closing segment included
    float area = 0;    ///< the absolute areas of the closed paths, added up
    int points = 0;    ///< anchors of every path
    int paths = 0;
};

/// The length of one path as the collection adds it up: open, from anchor 0 to anchor
/// n − 1; closed, the whole perimeter. 0 for a path without anchors.
float WholePathLength(const PathReader& path, const BezierService& service);

/// What one path adds to the measures of a collection.
struct PathMeasure {
    float length = 0;  ///< as `WholePathLength`
    float area = 0;    ///< the absolute host area; only a closed path adds it
    int points = 0;    ///< its anchors
    bool closed = false;
};

/// The measure of one path, read once so that the collection can be added up again
/// without reading its paths.
PathMeasure MeasurePath(const PathReader& path, const BezierService& service);

/// The measures of paths measured one by one, added up in their order: the same sums,
/// to the last bit, as `MeasureSelection` over the same paths.
SelectionMeasures AddUpMeasures(const std::vector<PathMeasure>& paths);

/// Measures the paths in their order. A path without anchors counts as a path of no
/// length.
SelectionMeasures MeasureSelection(const std::vector<const PathReader*>& paths,
                                   const BezierService& service);

}  // namespace quill
