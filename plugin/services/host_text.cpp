#include "plugin/services/host_text.h"

#include <vector>

#include "plugin/services/suites.h"

namespace quill {

namespace {
using Converter = ASErr(AIAPI*)(const char*, char*, size_t, size_t*);

std::string Convert(Converter convert, const char* text) {
    if (!text || !convert) return {};
    size_t needed = 0;
    convert(text, nullptr, 0, &needed);
    std::vector<char> buffer(needed + 1, '\0');
    if (convert(text, buffer.data(), buffer.size(), nullptr) != kNoErr) return {};
    return buffer.data();
}
}  // namespace

std::string ToHostText(const char* text) {
    return sAIUnicodeString ? Convert(sAIUnicodeString->PlatformToUTF8, text) : std::string();
}

std::string FromHostText(const char* text) {
    return sAIUnicodeString ? Convert(sAIUnicodeString->UTF8ToPlatform, text) : std::string();
}

}  // namespace quill
