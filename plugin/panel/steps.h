// The "-" and "+" buttons of the panel's numbers: the step chosen by the keys held, the
// floor a "-" stops at and the limit a "+" stops at.
#pragma once

#include <optional>

namespace quill {

/// The steps of one number: Shift gives the large step, Alt the small one (Shift wins
/// when both are held), neither the normal step.
struct StepSizes {
    double normal, shift, alt;
};

/// Where a "-" stops: a result at or below zero, or below `least`, becomes `setTo`.
struct Floor {
    double least, setTo;
};
constexpr Floor FloorAt(double least) {
    return {least, least};
}

struct StepRule {
    constexpr StepRule(StepSizes stepSizes, std::optional<Floor> floorAt = std::nullopt,
                       std::optional<double> mostAt = std::nullopt, bool toMultiple = false)
        : sizes(stepSizes), floor(floorAt), most(mostAt), shiftToMultiple(toMultiple) {}

    StepSizes sizes;
    std::optional<Floor> floor;  // none: the number may go below zero
    std::optional<double> most;  // none: no limit upwards
    /// With Shift the number moves to the next multiple of the Shift step below or above
    /// instead of by the step.
    bool shiftToMultiple = false;
};

/// `value` moved one step down (direction -1) or up (+1) by `rule`; any other direction
/// leaves it.
double Stepped(double value, int direction, const StepRule& rule, bool shift, bool alt);

/// The next multiple of `multiple` strictly below (direction -1) or above (+1) `value`;
/// a value within a millionth of a multiple counts as that multiple.
double NextMultiple(double value, double multiple, int direction);

}  // namespace quill
