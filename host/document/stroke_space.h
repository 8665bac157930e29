// The space a path's stroke is drawn in, when its drawing stretched or skewed it.
#pragma once

#include <memory>

namespace host {

/// The linear part of the transform a path was drawn under in the file it came from,
/// kept when that transform stretched or skewed it: the stroke is then wider one way
/// than the other, and is drawn in this space to look as it did. The geometry is in
/// document points all the same. Scaled to a determinant of ±1, so that the path's
/// width stays the stroke's mean width in points.
struct StrokeSpace {
    double a = 1, b = 0, c = 0, d = 1;  // maps (x, y) to (a x + c y, b x + d y)
};

/// The stroke space of a path drawn under the linear map (a b c d): none when the map
/// keeps shapes (a rotation, reflection or uniform scaling, which only scale the width)
/// or flattens them.
std::unique_ptr<StrokeSpace> MakeStrokeSpace(double a, double b, double c, double d);

/// The stroke space of a path after the linear map (a b c d) moved it, from `space`
/// (nullptr for none): the stroke goes through the same map as the geometry. A path
/// without one keeps its round stroke, as any path of the host does.
std::unique_ptr<StrokeSpace> MovedStrokeSpace(const StrokeSpace* space, double a, double b,
                                              double c, double d);

}  // namespace host
