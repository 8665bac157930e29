#include "plugin/settings/preference_steps.h"

namespace quill {

void RunSteps(StepList steps, RowOperation operation, StepContext& context) {
    for (std::size_t i = 0; i < steps.count; ++i) {
        const OrderStep& step = steps.first[i];
        if (step.field) {
            operation(*step.field, context.settings, step.onError);
        } else if (step.colour) {
            for (const char* key : KeysInOrder(*step.colour))
                operation(FieldOf(key), context.settings, step.onError);
        } else {
            step.own(context);
        }
    }
}

void SwitchOffStepMultipliers(StepContext& context) {
    context.panel.SwitchOffStepMultipliers();
}

void RebuildFirstToleranceText(StepContext& context) {
    context.settings.RebuildToleranceText(0);
}

void RebuildSecondToleranceText(StepContext& context) {
    context.settings.RebuildToleranceText(1);
}

void PrepareArrowOutline(StepContext& context) {
    context.settings.PrepareArrowOutline();
}

}  // namespace quill
