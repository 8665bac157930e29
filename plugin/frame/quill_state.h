// Everything Quill keeps from start-up to shutdown, in one record owned by the plug-in
// object: the settings record, the panel state, the tool state and what lies under the
// pointer, each tool's gesture and memory, and the dimension under construction.
//
// The floors below reach their part through the accessors they declare (`Settings()`,
// `Panel()`, `Tools()`, `ArtSet()`…). Those answer the record bound to the message being
// handled: the frame binds the plug-in object's for every message, a test binds one of its
// own. Used only on the host's thread, one message at a time.
#pragma once

#include "plugin/dimensions/angle_build_state.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/curve_marks.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/panel/parameters_tool.h"
#include "plugin/settings/panel_state.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/angle_tool.h"
#include "plugin/tools/bezier_tool.h"
#include "plugin/tools/circle_tool.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/lengths_tool.h"
#include "plugin/tools/segment_tool.h"
#include "plugin/tools/tool_state.h"

namespace quill {

struct QuillState {
    SettingsRecord settings;
    PanelState panel;
    ToolState tools;
    HoverState hover;
    // The six tools, each with its own gesture and memory, and a tool that does nothing
    // for an index out of range.
    SegmentTool segmentTool;
    AngleTool angleTool;
    CircleTool circleTool;
    BezierTool bezierTool;
    LengthsTool lengthsTool;
    ParametersTool parametersTool;
    Tool noTool;
    DimensionArtSet artSet;
    DimensionBuildState buildState;
    AngleBuildState angleBuild;
    CurveBuildState curveBuild;
    MarkList marks;
    PaintStyles styles;
    AILayerHandle untitledDimensionLayer = nullptr;
};

/// Binds `state` for as long as the binding lives; the record bound before comes back
/// when it ends. Nothing may reach the state while none is bound.
class StateBinding {
 public:
    explicit StateBinding(QuillState& state);
    ~StateBinding();
    StateBinding(const StateBinding&) = delete;
    StateBinding& operator=(const StateBinding&) = delete;

 private:
    QuillState* previous_;
};

}  // namespace quill
