// What loading a plug-in library takes on this platform: its resources, read from the
// file before any of its code runs, and its code loaded, its entry point found, unloaded.
#pragma once

#include <string>

#include "host/loader/resource_archive.h"

namespace host {

/// The library's resources; false with a one-line `error` naming the file when it is not
/// a library of this platform or carries none.
bool ReadLibraryResources(const std::string& path, ResourceArchive* resources, std::string* error);

/// The name of the entry point on this platform, from the property list.
const std::string& EntryPointName(const PluginProperties& properties);

/// The loaded code, or nullptr with `error` set.
void* LoadLibraryCode(const std::string& path, std::string* error);
/// The address of an exported function, or nullptr.
void* FindExport(void* code, const std::string& name);
void UnloadLibraryCode(void* code);

}  // namespace host
