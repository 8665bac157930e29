// What an error report says: the silent codes, and the message of a code found in the
// error string list (pairs of entries: a code, then its message). Pure.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sdk/types.h"

namespace quill {

/// The string list resource of error messages.
constexpr std::int32_t kErrorMessageListId = 16050;
/// Messages are cut to this many characters.
constexpr std::size_t kMaxErrorMessageLength = 128;
/// A message shorter than this is a format taking the code as its one string argument.
constexpr std::size_t kErrorFormatLengthLimit = 120;

/// Codes that are never reported: cancellations, answers that are not failures, and
/// failures the host has already shown.
bool IsSilentError(ASErr code);

/// `code` as a report writes it: its four characters from 16385 up, in decimal below.
std::string ErrorCodeText(ASErr code);

/// The code an entry of the list names: decimal when it begins with '-' or a digit,
/// otherwise a four-character code of its first four characters.
ASErr ErrorCodeOfEntry(const std::string& entry);

/// `format` with its first "%s" replaced by `argument`, later ones by nothing, and "%%"
/// by "%"; any other '%' stays as it is.
std::string FormatWithOneString(const std::string& format, const std::string& argument);

/// The text to show for `code`: the message paired with it in `list` (entry 1 is
/// list[0]), or, when the list ends (an empty or missing entry) without it, the last
/// message read. Nothing when the list holds no message.
std::optional<std::string> ErrorReportText(ASErr code, const std::vector<std::string>& list);

}  // namespace quill
