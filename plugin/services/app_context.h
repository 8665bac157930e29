// The host's application context, pushed for the plug-in while it handles a message
// that the host sends outside any of its own contexts (notifications).
#pragma once

#include "plugin/services/ai_error.h"
#include "plugin/services/suites.h"

namespace quill {

/// Pushes the context for `self` on construction and pops it on destruction. Raises
/// ai::Error when the push fails; does nothing when the context suite is not held.
class AppContext {
 public:
    explicit AppContext(SPPluginRef self) {
        if (sAIAppContext) ai::Check(sAIAppContext->PushAppContext(self, &context_));
    }
    ~AppContext() {
        if (sAIAppContext && context_) sAIAppContext->PopAppContext(context_);
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

 private:
    AIAppContextHandle context_ = nullptr;
};

}  // namespace quill
