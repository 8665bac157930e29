// The only spot of the plug-in that depends on the platform.
#include "plugin/services/keyboard.h"

#if defined(_WIN32)

extern "C" __declspec(dllimport) short __stdcall GetAsyncKeyState(int virtualKey);

namespace quill {

bool KeyIsDown(std::int32_t virtualKey) {
    // Any nonzero state counts: the key is down now or was pressed since the last call.
    return GetAsyncKeyState(virtualKey) != 0;
}

void ReleaseKeyboardState() {}

}  // namespace quill

#else

#include "plugin/services/suites.h"

namespace quill {

bool KeyIsDown(std::int32_t virtualKey) {
    if (!sAIKeyboardState) {
        const void* suite = nullptr;
        if (!sSPBasic || sSPBasic->AcquireSuite(kAIKeyboardStateSuite, kAIKeyboardStateSuiteVersion,
                                                &suite) != kNoErr)
            return false;
        sAIKeyboardState = static_cast<AIKeyboardStateSuite*>(const_cast<void*>(suite));
    }
    AIBoolean down = 0;
    if (sAIKeyboardState->GetKeyState(virtualKey, &down) != kNoErr) return false;
    return down != 0;
}

void ReleaseKeyboardState() {
    if (!sAIKeyboardState) return;
    if (sSPBasic) sSPBasic->ReleaseSuite(kAIKeyboardStateSuite, kAIKeyboardStateSuiteVersion);
    sAIKeyboardState = nullptr;
}

}  // namespace quill

#endif
