// The notifiers, the annotator and the host's selection tool.
#include "plugin/frame/registration.h"

#include <cstring>

#include "plugin/frame/texts.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/error_boundary.h"
#include "plugin/services/host_text.h"
#include "plugin/services/suites.h"

namespace quill {

std::string HostText(const char* text) {
    std::string converted = ToHostText(text);
    if (converted.empty() && text && *text) throw ai::Error(kCantHappenErr);
    return converted;
}

ASErr RegisterNotifiers(SPPluginRef self, NotifierHandles* handles) {
    return CodeOf([&] {
        ai::Check(sAINotifier->AddNotifier(self, HostText(texts::kShutdownNotifier.c_str()).c_str(),
                                           kAIApplicationShutdownNotifier, &handles->appShutdown));
        ai::Check(
            sAINotifier->AddNotifier(self, HostText(texts::kSelectionNotifier.c_str()).c_str(),
                                     kAIArtSelectionChangedNotifier, &handles->selectionChanged));
        ai::Check(sAINotifier->AddNotifier(
            self, HostText(texts::kCustomColorNotifier.c_str()).c_str(),
            kAIArtCustomColorChangedNotifier, &handles->customColorChanged));
        return kNoErr;
    });
}

ASErr RegisterAnnotator(SPPluginRef self, AIAnnotatorHandle* annotator) {
    return CodeOf([&] {
        ai::Check(sAIAnnotator->AddAnnotator(self, HostText(texts::kAnnotator.c_str()).c_str(),
                                             annotator));
        return sAIAnnotator->SetAnnotatorActive(*annotator, false);
    });
}

ASErr SelectHostSelectionTool() {
    return CodeOf([] {
        std::int16_t number = 0;
        ai::Check(sAITool->GetToolNumberFromName(HostText(texts::kHostSelectTool.c_str()).c_str(),
                                                 &number));
        AIToolHandle tool = nullptr;
        ai::Check(sAITool->GetToolHandleFromNumber(number, &tool));
        return sAITool->SetSelectedTool(tool);
    });
}

}  // namespace quill
