// Quill's plug-in object: the frame with Quill's start-up and registrations, its
// notifications, its About item and the product layer of the router.
#pragma once

#include <optional>

#include "plugin/frame/plugin.h"
#include "plugin/frame/quill_state.h"

namespace quill {

class QuillPlugIn : public Plugin {
 public:
    /// Named "Quill"; nothing registered yet.
    explicit QuillPlugIn(SPPluginRef pluginRef);
    /// Copies every field of `kept` (see Reestablish) but its state, which starts afresh.
    QuillPlugIn(const QuillPlugIn& kept, KeepFields);

    /// Rebuilds `object` in place once the library's code was unloaded and loaded again
    /// while the object stayed in the host's globals slot: its fields are kept and its
    /// virtual operations are the new code's. Returns the object.
    static QuillPlugIn* Reestablish(QuillPlugIn* object);

    /// The frame's start-up, then: lock the library, set the plug-in option, register the
    /// About item, the notifiers, the tools and the annotator. Fails only when the frame,
    /// the lock, the option or the annotator fails.
    ASErr StartupPlugin(SPMessageData* message) override;
    /// Tool index 1 becomes current and the host's selection tool is selected.
    ASErr PostStartupPlugin() override;
    /// The frame's router; a code other than 0 and '!MSG' is reported to the user. An
    /// annotation pass that the frame does not handle goes to DrawAnnotation.
    ASErr Message(const char* caller, const char* selector, void* message) override;
    /// On a selection change the whole view is invalidated, so that the feedback is
    /// drawn again. Other notifications: 0.
    ASErr Notify(AINotifierMessage* message) override;
    /// The About item shows Quill's about box; other items are not Quill's ('!MSG').
    ASErr GoMenuItem(AIMenuMessage* message) override;
    /// 0: the About item is always enabled.
    ASErr UpdateMenuItem(AIMenuMessage* message) override;

    // Tool events go to the tool controller; selection switches the annotator on and off.
    ASErr EditTool(AIToolMessage* message) override;
    ASErr TrackToolCursor(AIToolMessage* message) override;
    ASErr ToolMouseDown(AIToolMessage* message) override;
    ASErr ToolMouseDrag(AIToolMessage* message) override;
    ASErr ToolMouseUp(AIToolMessage* message) override;
    ASErr SelectTool(AIToolMessage* message) override;
    ASErr DeselectTool(AIToolMessage* message) override;

    /// The annotation pass over the view: draws nothing and answers 0.
    ASErr DrawAnnotation(AIAnnotatorMessage* message);

    AIAnnotatorHandle annotator() const { return annotator_; }
    /// What Quill keeps from start-up to shutdown; bound for every message it handles.
    QuillState& state() { return *state_; }
    /// Gives the state back before the library is unloaded: its tools' operations are
    /// that library's code, which a record outliving it could no longer reach.
    void ReleaseState() { state_.reset(); }

 private:
    ASErr AddPluginOption();
    ASErr InvalidateView();

    AIMenuItemHandle aboutPluginMenu_;
    AIRect annotationRect_;  // view pixels, y downwards
    AIAnnotatorHandle annotator_;
    AINotifierHandle appShutdownNotifier_;
    AINotifierHandle selectionChangedNotifier_;
    AINotifierHandle customColorChangedNotifier_;
    std::optional<QuillState> state_{std::in_place};
};

}  // namespace quill
