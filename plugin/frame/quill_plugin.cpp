#include "plugin/frame/quill_plugin.h"

#include "plugin/tools/tool_controller.h"

#include <cstring>
#include <new>

#include "plugin/feedback/annotation_pass.h"
#include "plugin/frame/registration.h"
#include "plugin/frame/texts.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/error_boundary.h"
#include "plugin/services/suites.h"
#include "plugin/services/view_invalidation.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

// The host option the plug-in adds to those it already has.
constexpr std::int32_t kQuillPluginOption = 2;

bool Equal(const char* a, const char* b) {
    return a && b && std::strcmp(a, b) == 0;
}

}  // namespace

QuillPlugIn::QuillPlugIn(SPPluginRef pluginRef)
    : Plugin(pluginRef),
      aboutPluginMenu_(nullptr),
      annotationRect_{0, 0, 0, 0},
      annotator_(nullptr),
      appShutdownNotifier_(nullptr),
      selectionChangedNotifier_(nullptr),
      customColorChangedNotifier_(nullptr) {
    std::strncpy(pluginName_, texts::kPluginName.c_str(), kNameSize - 1);
    pluginName_[kNameSize - 1] = '\0';
}

QuillPlugIn::QuillPlugIn(const QuillPlugIn& kept, KeepFields keep)
    : Plugin(kept, keep),
      aboutPluginMenu_(kept.aboutPluginMenu_),
      annotationRect_(kept.annotationRect_),
      annotator_(kept.annotator_),
      appShutdownNotifier_(kept.appShutdownNotifier_),
      selectionChangedNotifier_(kept.selectionChangedNotifier_),
      customColorChangedNotifier_(kept.customColorChangedNotifier_) {}

QuillPlugIn* QuillPlugIn::Reestablish(QuillPlugIn* object) {
    // Reading the fields needs no virtual operation, so the stale object can be copied;
    // building it again from the copy gives it the new code's operations.
    const QuillPlugIn kept(*object, KeepFields{});
    // The state starts afresh, as the unloaded code's would: it was given back at unload,
    // while its tools' operations were still there to do it.
    return new (object) QuillPlugIn(kept, KeepFields{});
}

ASErr QuillPlugIn::StartupPlugin(SPMessageData* message) {
    ASErr error = Plugin::StartupPlugin(message);
    if (error != kNoErr) return error;
    error = LockPlugin(true);
    if (error == kNoErr) error = AddPluginOption();
    if (error == kNoErr) {
        // Each registration is attempted whatever the previous one gave.
        AddAboutMenuItem(message->self, &aboutPluginMenu_);
        NotifierHandles notifiers;
        RegisterNotifiers(message->self, &notifiers);
        appShutdownNotifier_ = notifiers.appShutdown;
        selectionChangedNotifier_ = notifiers.selectionChanged;
        customColorChangedNotifier_ = notifiers.customColorChanged;
        RegisterTools(message->self);
        error = RegisterAnnotator(message->self, &annotator_);
    }
    if (error != kNoErr) {
        // The object is destroyed: it keeps neither the library nor the suites.
        LockPlugin(false);
        DestroySuites();
    }
    return error;
}

ASErr QuillPlugIn::AddPluginOption() {
    return CodeOf([&] {
        std::int32_t options = 0;
        ai::Check(sAIPlugin->GetPluginOptions(pluginRef_, &options));
        return sAIPlugin->SetPluginOptions(pluginRef_, options | kQuillPluginOption);
    });
}

ASErr QuillPlugIn::PostStartupPlugin() {
    Tools().currentTool = kSegmentTool;
    return SelectHostSelectionTool();
}

ASErr QuillPlugIn::Message(const char* caller, const char* selector, void* message) {
    const ASErr result = CodeOf([&] { return Plugin::Message(caller, selector, message); });
    if (result == kNoErr) return result;
    if (result != kUnhandledMsgErr) {
        ReportError(result, caller, selector, message);
        return result;
    }
    if (Equal(caller, kCallerAIAnnotation) && Equal(selector, kSelectorAIDrawAnnotation))
        return DrawAnnotation(static_cast<AIAnnotatorMessage*>(message));
    return result;
}

ASErr QuillPlugIn::Notify(AINotifierMessage* message) {
    if (!message || !selectionChangedNotifier_ || message->notifier != selectionChangedNotifier_)
        return kNoErr;
    DocumentChangedUnderTools();
    return InvalidateView();
}

ASErr QuillPlugIn::InvalidateView() {
    return CodeOf([&] { return InvalidateWholeView(annotationRect_); });
}

ASErr QuillPlugIn::GoMenuItem(AIMenuMessage* message) {
    if (!message || !aboutPluginMenu_ || message->menuItem != aboutPluginMenu_)
        return kUnhandledMsgErr;
    return sADMBasic->AboutBox(pluginRef_, texts::kAboutBoxTitle.c_str(),
                               texts::kAboutBoxText.c_str());
}

ASErr QuillPlugIn::UpdateMenuItem(AIMenuMessage*) {
    return kNoErr;
}

ASErr QuillPlugIn::DrawAnnotation(AIAnnotatorMessage* message) {
    if (!message) return kBadParameterErr;
    return CodeOf([&] { return quill::DrawAnnotation(*message); });
}

ASErr QuillPlugIn::EditTool(AIToolMessage* message) {
    return quill::EditTool(message);
}
ASErr QuillPlugIn::TrackToolCursor(AIToolMessage* message) {
    return quill::TrackToolCursor(message);
}
ASErr QuillPlugIn::ToolMouseDown(AIToolMessage* message) {
    return quill::ToolMouseDown(message);
}
ASErr QuillPlugIn::ToolMouseDrag(AIToolMessage* message) {
    return quill::ToolMouseDrag(message);
}
ASErr QuillPlugIn::ToolMouseUp(AIToolMessage* message) {
    return quill::ToolMouseUp(message);
}
ASErr QuillPlugIn::SelectTool(AIToolMessage* message) {
    return quill::SelectTool(message, annotator_);
}
ASErr QuillPlugIn::DeselectTool(AIToolMessage* message) {
    return quill::DeselectTool(message, annotator_);
}

}  // namespace quill
