#include "plugin/tools/tool_alerts.h"

#include "plugin/services/alert.h"
#include "plugin/tools/tool_state.h"

namespace quill {

void ShowNothingClickedAlert(std::int32_t tool) {
    switch (tool) {
        case kAngleTool:
            ShowAlert(texts::kAngleNeedsSomething.c_str());
            break;
        case kCircleTool:
            ShowAlert(texts::kCircleNeedsSomething.c_str());
            break;
        case kBezierTool:
            ShowAlert(texts::kBezierNeedsSomething.c_str());
            break;
        default:
            break;
    }
}

}  // namespace quill
