// The plug-ins the host has loaded: their libraries, the globals slot kept between
// messages, access references, and how many times each suite was acquired and released.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/document/document.h"
#include "host/loader/plugin_library.h"

namespace host {

struct LoadedPlugin {
    ObjectId id = 0;  // what its SPPluginRef carries
    PluginLibrary library;
    void* globals = nullptr;  // whatever the plug-in left in the slot
    std::string name;         // as the plug-in set it (UTF-8)
    std::int32_t options = 0;
    std::vector<ObjectId> accessRefs;
    bool started = false;             // between start-up and shutdown
    bool unloadWhenReleased = false;  // shut down while an access reference was held
    bool closeRequested = false;      // unload once no message to it is running
};

/// Acquisitions and releases of one suite (by name), to check that shutdown released
/// everything.
struct SuiteUse {
    int acquired = 0;
    int released = 0;
};

class PluginManager {
 public:
    /// Reads the library's resources and property list, then loads it. nullptr with a
    /// one-line `error` when the file is not a plug-in the host can load.
    LoadedPlugin* Load(const std::string& path, std::string* error);
    LoadedPlugin* Find(ObjectId id);
    LoadedPlugin* Find(SPPluginRef ref);
    const std::vector<std::unique_ptr<LoadedPlugin>>& plugins() const { return plugins_; }

    /// Sends a message: fills the head (check word, self, globals, basic suite), calls the
    /// entry point, and keeps what the plug-in left in `globals`. kCantHappenErr when the
    /// code is not loaded.
    ASErr Send(LoadedPlugin& plugin, const char* caller, const char* selector,
               SPMessageData* message);

    /// An access reference that keeps the library loaded until released.
    ObjectId AcquireAccess(LoadedPlugin& plugin);
    /// False for an unknown reference. The last release of a plug-in that was shut down
    /// unloads its code, once no message is being handled.
    bool ReleaseAccess(ObjectId access);

    std::map<std::string, SuiteUse>& suiteUse() { return suiteUse_; }
    const std::map<std::string, SuiteUse>& suiteUse() const { return suiteUse_; }

 private:
    std::vector<std::unique_ptr<LoadedPlugin>> plugins_;
    void CloseWhenIdle(LoadedPlugin& plugin);

    std::map<std::string, SuiteUse> suiteUse_;
    int depth_ = 0;  // messages being handled, nested ones included
};

/// The basic suite every message carries.
SPBasicSuite* HostBasicSuite();

}  // namespace host
