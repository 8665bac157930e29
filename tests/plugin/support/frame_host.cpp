#include "frame_host.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "plugin/frame/error_report.h"

namespace quill::testing {

namespace {

FrameHost* current = nullptr;

SPPluginRef Self() {
    static char self;
    return reinterpret_cast<SPPluginRef>(&self);
}

}  // namespace

FrameHost::FrameHost() {
    if (current) throw std::logic_error("one FrameHost at a time");
    current = this;
    AddHostTool("Adobe Select Tool");
    menuGroups.push_back(kAboutMenuGroup);
    SetErrorReportClock([] { return Current().now; });
}

FrameHost::~FrameHost() {
    if (globals) Shutdown();
    SetErrorReportClock(nullptr);
    current = nullptr;
}

FrameHost& FrameHost::Current() {
    if (!current) throw std::logic_error("no FrameHost");
    return *current;
}

AIErr FrameHost::Enter(const char* function) {
    calls.push_back(function);
    auto it = failures_.find(function);
    if (it == failures_.end() || it->second.remaining == 0) return kNoErr;
    if (it->second.skip > 0) {
        --it->second.skip;
        return kNoErr;
    }
    if (it->second.remaining > 0) --it->second.remaining;
    return it->second.code;
}

void FrameHost::Fail(const std::string& function, AIErr code, int count, int skip) {
    failures_[function] = {code, count, skip};
}

void FrameHost::AddHostTool(const std::string& title) {
    FakeTool tool;
    tool.name = tool.title = title;
    tool.group = tool.toolset = static_cast<int>(tools.size()) * 2 + 1;
    tool.fromPlugin = false;
    tools.push_back(tool);
}

ASErr FrameHost::Send(const char* caller, const char* selector, SPMessageData* message) {
    message->SPCheck = kSPValidSPMessageData;
    message->self = Self();
    message->globals = globals;
    message->basic = BasicSuite();
    const ASErr result = PluginMain(caller, selector, message);
    globals = message->globals;
    return result;
}

ASErr FrameHost::Send(const char* caller, const char* selector) {
    SPMessageData message{};
    return Send(caller, selector, &message);
}

void FrameHost::Start() {
    Send(kSPInterfaceCaller, kSPInterfaceStartupSelector);
    Notify(kAIApplicationStartedNotifier);
}

void FrameHost::Shutdown() {
    Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector);
}

void FrameHost::Notify(const char* type) {
    for (std::size_t i = 0; i < notifiers.size(); ++i) {
        if (notifiers[i].type != type) continue;
        AINotifierMessage message{};
        message.notifier = FakeHandle<AINotifierHandle>(i);
        message.type = type;
        Send(kCallerAINotify, kSelectorAINotify, &message.d);
    }
}

void FrameHost::ChooseMenuItem(AIMenuItemHandle item) {
    AIMenuMessage message{};
    message.menuItem = item;
    Send(kCallerAIMenu, kSelectorAIGoMenuItem, &message.d);
}

}  // namespace quill::testing
