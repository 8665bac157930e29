#include "plugin/frame/error_messages.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace quill {

namespace {

// Ends with 0, as the table the frame has always carried.
constexpr ASErr kSilentErrors[] = {
    AI_FOURCC('F', 'M', 'T', '?'),
    AI_FOURCC('R', 'F', 'S', 'E'),
    AI_FOURCC('A', 'F', 'T', 'R'),
    AI_FOURCC('V', 'A', 'L', 'D'),
    AI_FOURCC('M', 'O', 'O', 'T'),
    AI_FOURCC('T', 'R', 'S', 'H'),
    AI_FOURCC('C', 'H', 'E', 'K'),
    AI_FOURCC('C', 'H', 'I', 'T'),
    AI_FOURCC('T', 'L', 'T', 'K'),
    AI_FOURCC('p', 'F', 'l', 's'),
    AI_FOURCC('S', '!', 'F', 'd'),
    AI_FOURCC('!', 'A', 'c', 'q'),
    AI_FOURCC('d', 's', 'R', 'P'),
    AI_FOURCC('s', 'k', 'p', 'E'),
    AI_FOURCC('D', 'O', 'N', 'E'),
    AI_FOURCC('S', 'T', 'O', 'P'),
    361,
    0,
};

// The smallest code written as four characters.
constexpr ASErr kFirstFourCharCode = 16385;

}  // namespace

bool IsSilentError(ASErr code) {
    for (const ASErr* silent = kSilentErrors; *silent != 0; ++silent)
        if (*silent == code) return true;
    return false;
}

std::string ErrorCodeText(ASErr code) {
    if (code < kFirstFourCharCode) return std::to_string(code);
    const auto bits = static_cast<std::uint32_t>(code);
    return {static_cast<char>(bits >> 24), static_cast<char>(bits >> 16),
            static_cast<char>(bits >> 8), static_cast<char>(bits)};
}

ASErr ErrorCodeOfEntry(const std::string& entry) {
    if (!entry.empty() && (entry[0] == '-' || std::isdigit(static_cast<unsigned char>(entry[0])))) {
        errno = 0;
        const long long value = std::strtoll(entry.c_str(), nullptr, 10);
        // A number no code can equal matches nothing.
        if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return 0;
        return static_cast<ASErr>(value);
    }
    std::uint32_t code = 0;
    for (std::size_t i = 0; i < 4; ++i)
        code = code << 8 | (i < entry.size() ? static_cast<std::uint8_t>(entry[i]) : 0u);
    return static_cast<ASErr>(code);
}

std::string FormatWithOneString(const std::string& format, const std::string& argument) {
    std::string text;
    bool argumentUsed = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] == '%' && next == 's') {
            if (!argumentUsed) text += argument;
            argumentUsed = true;
            ++i;
        } else if (format[i] == '%' && next == '%') {
            text += '%';
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

std::optional<std::string> ErrorReportText(ASErr code, const std::vector<std::string>& list) {
    std::optional<std::string> message;
    // Entries 1, 3, 5 ... hold codes, the entry after each its message.
    for (std::size_t i = 0; i < list.size() && !list[i].empty(); i += 2) {
        if (i + 1 >= list.size()) break;
        message = list[i + 1].substr(0, kMaxErrorMessageLength);
        if (ErrorCodeOfEntry(list[i]) == code) break;
    }
    if (!message) return std::nullopt;
    if (message->size() < kErrorFormatLengthLimit)
        return FormatWithOneString(*message, ErrorCodeText(code));
    return message;
}

}  // namespace quill
