// The temporaries a file is written through before it replaces its target: named
// ".NAME.PID-RANDOM.quill-tmp" beside it, so that those of a process that no longer
// runs can be told and removed.
#pragma once

#include <string>

namespace host {

/// The file a path names once its symbolic links are followed (at most 40 of them),
/// also when the last one points at nothing yet. False with `errno` set on a loop.
bool FollowLinks(const std::string& path, std::string* target);

/// Creates a new temporary beside `target`, exclusively and without following links,
/// readable and writable by the owner alone. Its descriptor, or -1 with `errno` set.
int CreateTemporaryBeside(const std::string& target, std::string* temporary);

/// Removes the temporaries of `target` whose process has ended.
void RemoveStaleTemporaries(const std::string& target);

/// The folder of `path` ("." for a bare name).
std::string FolderOf(const std::string& path);

}  // namespace host
