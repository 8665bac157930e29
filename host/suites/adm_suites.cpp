// ADM suites: alerts, the plug-in's cursors, the about box, and icons from the plug-in's
// own resources.
#include <algorithm>

#include "host/core/event_state.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/suites/suite_support.h"
#include "host/text/windows1252.h"

namespace host {

namespace {

ASErr AIAPI ErrorAlert(const char* text) {
    return HostCall(kADMBasicSuite, "ErrorAlert", [&](Host& host) -> AIErr {
        if (!text) return kBadParameterErr;
        host.log().alerts.push_back(Windows1252ToUtf8(text));
        return kNoErr;
    });
}

ASErr AIAPI MessageAlert(const char* text) {
    return HostCall(kADMBasicSuite, "MessageAlert", [&](Host& host) -> AIErr {
        if (!text) return kBadParameterErr;
        host.log().alerts.push_back(Windows1252ToUtf8(text));
        return kNoErr;
    });
}

ASErr AIAPI SetPlatformCursor(SPPluginRef ref, int32_t cursorID) {
    return HostCall(kADMBasicSuite, "SetPlatformCursor", [&](Host& host) -> AIErr {
        if (!ref) return kBadParameterErr;
        LoadedPlugin* plugin = host.plugins().Find(ref);
        if (!plugin) return kStaleHandleErr;
        if (!plugin->library.resources().Find(kCursorResourceType, cursorID)) return kNotFoundErr;
        host.log().cursor = cursorID;
        return kNoErr;
    });
}

ASErr AIAPI AboutBox(SPPluginRef ref, const char* text1, const char* text2) {
    return HostCall(kADMBasicSuite, "AboutBox", [&](Host& host) -> AIErr {
        if (!ref || !text1 || !text2) return kBadParameterErr;
        if (!host.plugins().Find(ref)) return kStaleHandleErr;
        // Shown as one alert: the two lines of the box.
        host.log().alerts.push_back(Windows1252ToUtf8(std::string(text1) + "\r" + text2));
        return kNoErr;
    });
}

ADMBasicSuite admBasicSuite = {ErrorAlert, MessageAlert, SetPlatformCursor, AboutBox};
SuiteTable admBasicTable(kADMBasicSuite, kADMBasicSuiteVersion, &admBasicSuite);
SuiteTable admBasicTable11(kADMBasicSuite, kADMBasicSuiteVersion11, &admBasicSuite);

ASErr AIAPI GetFromResource(SPPluginRef ref, int32_t iconID, ADMIconRef* icon) {
    return HostCall(kADMIconSuite, "GetFromResource", [&](Host& host) -> AIErr {
        if (!ref || !icon) return kBadParameterErr;
        LoadedPlugin* plugin = host.plugins().Find(ref);
        if (!plugin) return kStaleHandleErr;
        if (!plugin->library.resources().Find(kIconResourceType, iconID)) return kNotFoundErr;
        IconRecord record{NextObjectId(), plugin->id, iconID};
        host.registrations().icons().push_back(record);
        *icon = ToHandle<ADMIconRef>(record.id);
        return kNoErr;
    });
}

ASErr AIAPI DestroyIcon(ADMIconRef icon) {
    return HostCall(kADMIconSuite, "Destroy", [&](Host& host) -> AIErr {
        if (!icon) return kBadParameterErr;
        auto& icons = host.registrations().icons();
        auto it = std::find_if(icons.begin(), icons.end(),
                               [&](const IconRecord& r) { return r.id == IdOf(icon); });
        if (it == icons.end()) return kStaleHandleErr;
        icons.erase(it);
        return kNoErr;
    });
}

ADMIconSuite iconSuite = {GetFromResource, DestroyIcon};
SuiteTable iconTable(kADMIconSuite, kADMIconSuiteVersion, &iconSuite);

}  // namespace
}  // namespace host
