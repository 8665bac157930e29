// A plug-in library on disk: its resources and property list, read before loading,
// then the loaded code and the one entry point the property list names.
#pragma once

#include <string>

#include "host/loader/resource_archive.h"
#include "sdk/messages.h"

namespace host {

class PluginLibrary {
 public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    /// Reads the resource section and the property list, then loads the library and
    /// finds the entry point. False with a one-line `error` naming the file otherwise;
    /// nothing is loaded then.
    bool Open(const std::string& path, std::string* error);
    /// Unloads the code; the resources stay known.
    void Close();
    /// Loads the code again after Close.
    bool Reopen(std::string* error);

    bool loaded() const { return handle_ != nullptr; }
    /// The entry point, or nullptr while the code is not loaded.
    SPPluginMainProc entry() const { return entry_; }
    const ResourceArchive& resources() const { return resources_; }
    const PluginProperties& properties() const { return properties_; }
    const std::string& path() const { return path_; }

 private:
    bool LoadCode(std::string* error);

    std::string path_;
    ResourceArchive resources_;
    PluginProperties properties_;
    void* handle_ = nullptr;
    SPPluginMainProc entry_ = nullptr;
};

}  // namespace host
