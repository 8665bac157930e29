#include "plugin/geometry/selection_measures.h"

#include <cmath>

#include "plugin/geometry/path_lengths.h"

namespace quill {

float WholePathLength(const PathReader& path, const BezierService& service) {
    const int n = path.AnchorCount();
    if (n < 1) return 0;
    // From anchor 0 to anchor 0 is the whole perimeter of a closed path.
    return PathLengthBetween(path, service, 0, path.Closed() ? 0 : n - 1);
}

PathMeasure MeasurePath(const PathReader& path, const BezierService& service) {
    PathMeasure measure;
    measure.points = path.AnchorCount();
    measure.length = WholePathLength(path, service);
    measure.closed = path.Closed();
    if (measure.closed) measure.area = std::fabs(path.Area());
    return measure;
}

// Lengths and areas are two running sums, each in the paths' order, as the collection
// adds them up when it reads its paths.
SelectionMeasures AddUpMeasures(const std::vector<PathMeasure>& paths) {
    SelectionMeasures measures;
    for (const PathMeasure& path : paths) {
        ++measures.paths;
        measures.points += path.points;
        measures.length += path.length;
        if (path.closed) measures.area += path.area;
    }
    return measures;
}

SelectionMeasures MeasureSelection(const std::vector<const PathReader*>& paths,
                                   const BezierService& service) {
    std::vector<PathMeasure> measured;
    measured.reserve(paths.size());
    for (const PathReader* path : paths)
        if (path) measured.push_back(MeasurePath(*path, service));
    return AddUpMeasures(measured);
}

}  // namespace quill
