#include "plugin/tools/tool_state.h"

namespace quill {

ToolState& Tools() {
    static ToolState state;
    return state;
}

}  // namespace quill
