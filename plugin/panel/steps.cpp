#include "plugin/panel/steps.h"

#include <cmath>

namespace quill {
namespace {

// A value this close to a multiple (relative to the multiple) is on it: steps of 0.1
// added up in binary land a hair off.
constexpr double kOnMultiple = 1e-6;

}  // namespace

double NextMultiple(double value, double multiple, int direction) {
    if (!(multiple > 0) || !std::isfinite(value)) return value;
    const double ratio = value / multiple;
    const double nearest = std::round(ratio);
    const double snapped = std::fabs(ratio - nearest) <= kOnMultiple ? nearest : ratio;
    const double next = direction < 0 ? std::ceil(snapped) - 1 : std::floor(snapped) + 1;
    return next * multiple;
}

double Stepped(double value, int direction, const StepRule& rule, bool shift, bool alt) {
    if (direction != -1 && direction != 1) return value;
    const StepSizes& sizes = rule.sizes;
    double result;
    if (shift && rule.shiftToMultiple)
        result = NextMultiple(value, sizes.shift, direction);
    else
        result = value + direction * (shift ? sizes.shift : alt ? sizes.alt : sizes.normal);
    if (direction < 0 && rule.floor && (result <= 0 || result < rule.floor->least))
        result = rule.floor->setTo;
    if (direction > 0 && rule.most && result > *rule.most) result = *rule.most;
    return result;
}

}  // namespace quill
