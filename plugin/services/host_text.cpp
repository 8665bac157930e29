#include "plugin/services/host_text.h"

#include <vector>

#include "plugin/services/suites.h"

namespace quill {

namespace {
using Converter = ASErr(AIAPI*)(const char*, char*, size_t, size_t*);

ASErr Convert(Converter convert, const char* text, std::string* out) {
    out->clear();
    if (!text || !convert) return kBadParameterErr;
    size_t needed = 0;
    convert(text, nullptr, 0, &needed);
    std::vector<char> buffer(needed + 1, '\0');
    if (const ASErr result = convert(text, buffer.data(), buffer.size(), nullptr)) return result;
    *out = buffer.data();
    return kNoErr;
}

std::string Convert(Converter convert, const char* text) {
    std::string out;
    Convert(convert, text, &out);
    return out;
}
}  // namespace

std::string ToHostText(const char* text) {
    return sAIUnicodeString ? Convert(sAIUnicodeString->PlatformToUTF8, text) : std::string();
}

ASErr ConvertToHostText(const char* text, std::string* out) {
    return Convert(sAIUnicodeString ? sAIUnicodeString->PlatformToUTF8 : nullptr, text, out);
}

std::string FromHostText(const char* text) {
    return sAIUnicodeString ? Convert(sAIUnicodeString->UTF8ToPlatform, text) : std::string();
}

}  // namespace quill
