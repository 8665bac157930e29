// The names of the temporaries a file is written through, ".NAME.PID-RANDOM.quill-tmp",
// as both systems' sides make and read them.
#pragma once

#include <string>
#include <string_view>

namespace host {

constexpr std::string_view kTemporarySuffix = ".quill-tmp";

/// The last part of `path`, after the last of `separators`.
std::string LastNameOf(const std::string& path, const char* separators);

/// Twelve random letters and digits: what makes a temporary's name new.
std::string RandomTemporaryWord();

/// The process that made the temporary named `entry`, whose name starts with `prefix`
/// (".NAME."), or 0 when the entry is no temporary of that file.
unsigned long TemporaryOwner(std::string_view entry, std::string_view prefix);

}  // namespace host
