// What the frame answers for the messages a product does not take over.
#include "plugin/frame/plugin.h"

namespace quill {

namespace {
constexpr ASErr kUnhandled = kUnhandledMsgErr;
}

ASErr Plugin::PostStartupPlugin() {
    return kNoErr;
}

ASErr Plugin::AcquireProperty(SPMessageData*) {
    return kUnhandled;
}

ASErr Plugin::ReleaseProperty(SPMessageData*) {
    return kUnhandled;
}

ASErr Plugin::Notify(AINotifierMessage*) {
    return kNoErr;
}

ASErr Plugin::GoAction(void*) {
    return kNoErr;
}

ASErr Plugin::GoMenuItem(AIMenuMessage*) {
    return kUnhandled;
}

ASErr Plugin::UpdateMenuItem(AIMenuMessage*) {
    return kUnhandled;
}

ASErr Plugin::GetFilterParameters(void*) {
    return kUnhandled;
}

ASErr Plugin::GoFilter(void*) {
    return kUnhandled;
}

ASErr Plugin::PluginGroupNotify(void*) {
    return kUnhandled;
}

ASErr Plugin::PluginGroupUpdate(void*) {
    return kUnhandled;
}

ASErr Plugin::GetFileFormatParameters(void*) {
    return kUnhandled;
}

ASErr Plugin::GoFileFormat(void*) {
    return kUnhandled;
}

ASErr Plugin::CheckFileFormat(void*) {
    return kUnhandled;
}

ASErr Plugin::FileFormatUpdate(void*) {
    return kUnhandled;
}

ASErr Plugin::FileFormatAction(void*) {
    return kUnhandled;
}

ASErr Plugin::EditTool(AIToolMessage*) {
    return kUnhandled;
}

ASErr Plugin::TrackToolCursor(AIToolMessage*) {
    return kUnhandled;
}

ASErr Plugin::ToolMouseDown(AIToolMessage*) {
    return kUnhandled;
}

ASErr Plugin::ToolMouseDrag(AIToolMessage*) {
    return kUnhandled;
}

ASErr Plugin::ToolMouseUp(AIToolMessage*) {
    return kUnhandled;
}

ASErr Plugin::SelectTool(AIToolMessage*) {
    return kUnhandled;
}

ASErr Plugin::DeselectTool(AIToolMessage*) {
    return kUnhandled;
}

ASErr Plugin::ReselectTool(AIToolMessage*) {
    return kNoErr;
}

ASErr Plugin::DecreaseDiameter(AIToolMessage*) {
    return kNoErr;
}

ASErr Plugin::IncreaseDiameter(AIToolMessage*) {
    return kNoErr;
}

ASErr Plugin::LiveEffectEditParameters(void*) {
    return kUnhandled;
}

ASErr Plugin::LiveEffectGoLive(void*) {
    return kUnhandled;
}

ASErr Plugin::LiveEffectInterpolateParameters(void*) {
    return kUnhandled;
}

ASErr Plugin::LiveEffectInputType(void*) {
    return kUnhandled;
}

ASErr Plugin::LiveEffectConvertColorSpace(void*) {
    return kUnhandled;
}

ASErr Plugin::LiveEffectScaleParameters(void*) {
    return kUnhandled;
}

ASErr Plugin::LiveEffectAdjustColors(void*) {
    return kUnhandled;
}

ASErr Plugin::LiveEffectHandleMerge(void*) {
    return kUnhandled;
}

ASErr Plugin::GoTimer(void*) {
    return kUnhandled;
}

ASErr Plugin::GoClipboard(void*) {
    return kUnhandled;
}

ASErr Plugin::CanCopyClipboard(void*) {
    return kUnhandled;
}

ASErr Plugin::CloneClipboard(void*) {
    return kUnhandled;
}

ASErr Plugin::DisposeClipboard(void*) {
    return kUnhandled;
}

ASErr Plugin::WriteWorkspace(void*) {
    return kUnhandled;
}

ASErr Plugin::RestoreWorkspace(void*) {
    return kUnhandled;
}

ASErr Plugin::DefaultWorkspace(void*) {
    return kUnhandled;
}

}  // namespace quill
