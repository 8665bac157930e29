#include "plugin/geometry/selection_measures.h"

#include "plugin/geometry/areas.h"
#include "plugin/geometry/path_lengths.h"

namespace quill {

float WholePathLength(const PathReader& path, const BezierService& service) {
    const int n = path.AnchorCount();
    if (n < 1) return 0;
    // From anchor 0 to anchor 0 is the whole perimeter of a closed path.
    return PathLengthBetween(path, service, 0, path.Closed() ? 0 : n - 1);
}

SelectionMeasures MeasureSelection(const std::vector<const PathReader*>& paths,
                                   const BezierService& service) {
    SelectionMeasures measures;
    for (const PathReader* path : paths) {
        if (!path) continue;
        ++measures.paths;
        measures.points += path->AnchorCount();
        measures.length += WholePathLength(*path, service);
    }
    measures.area = SelectionArea(paths);
    return measures;
}

}  // namespace quill
