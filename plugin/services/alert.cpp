#include "plugin/services/alert.h"

#include <vector>

#include "plugin/services/suites.h"

namespace quill {

void ShowAlert(const char* text) {
    if (!sAIUser || !sAIUnicodeString || !text) return;
    size_t needed = 0;
    sAIUnicodeString->PlatformToUTF8(text, nullptr, 0, &needed);
    std::vector<char> utf8(needed + 1, '\0');
    if (sAIUnicodeString->PlatformToUTF8(text, utf8.data(), utf8.size(), nullptr) != kNoErr) return;
    sAIUser->MessageAlert(utf8.data());
}

}  // namespace quill
