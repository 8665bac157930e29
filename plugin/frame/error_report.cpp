// Telling the user that a message failed: the silent codes stay silent, a code repeated
// within the duplicate window is told once, and the text comes from the plug-in's own
// error string list, shown with the host's error alert.
#include "plugin/frame/error_report.h"

#include <ctime>
#include <optional>
#include <string>

#include "plugin/frame/error_messages.h"
#include "plugin/frame/plugin.h"
#include "plugin/services/resource_archive.h"
#include "plugin/services/suites.h"

namespace quill {

namespace {

std::int64_t SystemSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

SecondsClock reportClock = SystemSeconds;

std::optional<std::string> ReportText(ASErr code) {
    const ResourceBytes list =
        FindResource(OwnResourceArchive(), kStringListResourceType, kErrorMessageListId);
    return ErrorReportText(code, ReadStringList(list));
}

// The ADM basic suite is held from start-up to shutdown; outside that time the report
// takes it for itself.
void ShowErrorAlert(const char* text) {
    if (sADMBasic) {
        sADMBasic->ErrorAlert(text);
        return;
    }
    const void* suite = nullptr;
    if (!sSPBasic ||
        sSPBasic->AcquireSuite(kADMBasicSuite, kADMBasicSuiteVersion11, &suite) != kNoErr)
        return;
    static_cast<const ADMBasicSuite*>(suite)->ErrorAlert(text);
    sSPBasic->ReleaseSuite(kADMBasicSuite, kADMBasicSuiteVersion11);
}

}  // namespace

void SetErrorReportClock(SecondsClock clock) {
    reportClock = clock ? clock : SystemSeconds;
}

void Plugin::ReportError(ASErr code, const char*, const char*, void*) {
    if (IsSilentError(code)) return;
    const std::int64_t now = reportClock();
    if (code == lastError_ && suppressDuplicateErrors_ && now < lastErrorTime_ + errorTimeout_)
        return;
    lastError_ = code;
    lastErrorTime_ = now;
    try {
        if (const std::optional<std::string> text = ReportText(code)) ShowErrorAlert(text->c_str());
    } catch (...) {
        // Out of memory while composing the text: the report is dropped, not the message.
    }
}

}  // namespace quill
