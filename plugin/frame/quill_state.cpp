// The accessors of every floor, answering the record bound to the message being handled.
#include "plugin/frame/quill_state.h"

#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

// The record of the message being handled; the frame's one link to the plug-in's state.
QuillState* bound = nullptr;

QuillState& Bound() {
    return *bound;
}

}  // namespace

StateBinding::StateBinding(QuillState& state) : previous_(bound) {
    bound = &state;
}

StateBinding::~StateBinding() {
    bound = previous_;
}

SettingsRecord& Settings() {
    return Bound().settings;
}

PanelState& Panel() {
    return Bound().panel;
}

ToolState& Tools() {
    return Bound().tools;
}

HoverState& CurrentHover() {
    return Bound().hover;
}

Tool& ToolAt(std::int32_t index) {
    QuillState& state = Bound();
    switch (index) {
        case kSegmentTool:
            return state.segmentTool;
        case kAngleTool:
            return state.angleTool;
        case kCircleTool:
            return state.circleTool;
        case kBezierTool:
            return state.bezierTool;
        case kLengthsTool:
            return state.lengthsTool;
        case kParametersTool:
            return state.parametersTool;
        default:
            return state.noTool;
    }
}

SegmentTool& TheSegmentTool() {
    return Bound().segmentTool;
}

LengthsTool& TheLengthsTool() {
    return Bound().lengthsTool;
}

DimensionArtSet& ArtSet() {
    return Bound().artSet;
}

DimensionBuildState& BuildState() {
    return Bound().buildState;
}

AngleBuildState& AngleBuild() {
    return Bound().angleBuild;
}

CurveBuildState& CurveBuild() {
    return Bound().curveBuild;
}

MarkList& Marks() {
    return Bound().marks;
}

PaintStyles& Styles() {
    return Bound().styles;
}

AILayerHandle& UntitledDimensionLayer() {
    return Bound().untitledDimensionLayer;
}

}  // namespace quill
