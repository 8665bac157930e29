// A small in-process host for the frame's tests: it calls the plug-in's PluginMain
// directly, offers the suites the frame calls (recording what the plug-in registers), can
// withhold a suite or make a suite function fail, and hands out blank tables for the
// suites the frame only holds. One FrameHost at a time.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sdk/sdk.h"

extern "C" ASErr AIAPI PluginMain(const char* caller, const char* selector, void* message);

namespace quill::testing {

/// The handle the fake host gives to its record number `index`.
template <class Handle>
Handle FakeHandle(std::size_t index) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(index + 1));
}

struct FakeTool {
    std::string name, title, tooltip;
    int group = 0, toolset = 0;  // equal numbers: same group, same toolset
    std::int32_t options = 0;
    ADMIconRef icon = nullptr, secondIcon = nullptr;
    std::vector<std::int32_t> infoVars;
    bool fromPlugin = true;
};

struct FakeMenuItem {
    std::string group, text;
};

struct FakeNotifier {
    std::string name, type;
};

struct FakeAnnotator {
    std::string name;
    bool active = true;
};

class FrameHost {
 public:
    /// The host's own selection tool is tool number 0; the menu group "About" exists.
    FrameHost();
    /// Shuts the plug-in down if it is still started.
    ~FrameHost();
    FrameHost(const FrameHost&) = delete;
    FrameHost& operator=(const FrameHost&) = delete;

    static FrameHost& Current();
    /// The basic suite every message carries.
    static SPBasicSuite* BasicSuite();

    // Messages. The head is filled as a host fills it and the globals slot is kept.
    /// What PluginMain answered.
    ASErr Send(const char* caller, const char* selector, SPMessageData* message);
    ASErr Send(const char* caller, const char* selector);
    /// Start-up, then the application-started notification, as a host starts a plug-in.
    void Start();
    void Shutdown();
    /// A notification to every notifier of the plug-in of that type.
    void Notify(const char* type);
    void ChooseMenuItem(AIMenuItemHandle item);

    // Behaviour.
    void Withhold(const std::string& suiteName) { withheld_.insert(suiteName); }
    void Offer(const std::string& suiteName) { withheld_.erase(suiteName); }
    /// After `skip` calls that succeed, the next `count` calls (all when negative) of the
    /// suite function fail with `code`.
    void Fail(const std::string& function, AIErr code, int count = -1, int skip = 0);
    void AddHostTool(const std::string& title);
    void AddMenuGroup(const std::string& name) { menuGroups.push_back(name); }

    /// Called by every fake suite function: records the call and gives an injected failure.
    AIErr Enter(const char* function);
    const void* Table(const char* name, std::int32_t version);

    // What the plug-in did.
    std::vector<std::string> calls;         // suite functions called, in order
    std::vector<std::string> acquisitions;  // "+NAME VERSION" and "-NAME VERSION", in order
    std::map<std::string, int> held;        // suites acquired and not released, by name
    std::vector<std::string> alerts;        // error alerts, message alerts and about boxes
    std::vector<FakeTool> tools;
    std::vector<std::string> menuGroups;
    std::vector<FakeMenuItem> menuItems;
    std::vector<FakeNotifier> notifiers;    // handle i + 1 is notifiers[i]
    std::vector<FakeAnnotator> annotators;  // handle i + 1 is annotators[i]
    static constexpr std::size_t kNoToolSelected = ~std::size_t{0};
    std::size_t selectedTool = kNoToolSelected;
    std::int32_t pluginOptions = 0;
    std::string pluginName;
    int accessReferences = 0;
    int contextDepth = 0;
    int invalidations = 0;
    std::map<std::string, int> preferenceWrites;
    std::int64_t now = 1000;  // seconds, the error report's clock
    void* globals = nullptr;

 private:
    struct Failure {
        AIErr code;
        int remaining;
        int skip;
    };
    std::set<std::string> withheld_;
    std::map<std::string, Failure> failures_;
};

}  // namespace quill::testing
