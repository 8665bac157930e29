// The one symbol the library exports.
#include "sdk/sdk.h"

extern "C" __attribute__((visibility("default"))) ASErr PluginMain(const char*, const char*, void*) {
    return kNoErr;
}
