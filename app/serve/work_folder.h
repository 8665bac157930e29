// The server's private folder in the temporary folder, "quill-serve-PID-XXXXXX": the
// sessions' uploads and copies of the plug-in. It goes when the server stops; those a
// server that no longer runs left behind (killed, crashed) go when the next one starts.
#pragma once

#include <string>

namespace quill::serve {

/// Makes a new private folder for this process; false with `error` set.
bool MakeWorkFolder(std::string* folder, std::string* error);

/// Removes the private folders, in `tempDir`, of servers whose process has ended.
void RemoveStaleWorkFolders(const std::string& tempDir);

}  // namespace quill::serve
