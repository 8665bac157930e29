// The basic suite carried by every message (suites by name and version, small blocks),
// and the memory suites: SP Blocks and MdMemory handles.
#include <cstdlib>
#include <cstring>

#include "host/core/plugins.h"
#include "host/suites/memory_handles.h"
#include "host/suites/suite_support.h"

namespace host {

namespace {

constexpr const char* kBasic = "SP Basic Suite";

ASErr AIAPI AcquireSuite(const char* name, int32_t version, const void** suite) {
    return HostCall(kBasic, "AcquireSuite", [&](Host& host) -> AIErr {
        if (!name || !suite) return kBadParameterErr;
        *suite = host.suites().Find(name, version);
        if (!*suite) return kSuiteNotFoundErr;
        ++host.plugins().suiteUse()[name].acquired;
        return kNoErr;
    });
}

ASErr AIAPI ReleaseSuite(const char* name, int32_t version) {
    return HostCall(kBasic, "ReleaseSuite", [&](Host& host) -> AIErr {
        if (!name) return kBadParameterErr;
        auto& use = host.plugins().suiteUse()[name];
        if (!host.suites().Find(name, version) || use.acquired <= use.released)
            return kSuiteNotAcquiredErr;
        ++use.released;
        return kNoErr;
    });
}

AIBoolean AIAPI IsEqual(const char* token1, const char* token2) {
    return token1 && token2 && std::strcmp(token1, token2) == 0;
}

AIErr Allocate(Host& host, std::size_t size, void** block) {
    if (!block) return kBadParameterErr;
    *block = std::malloc(size ? size : 1);
    if (!*block) return kOutOfMemoryErr;
    host.blocks().insert(*block);
    return kNoErr;
}

AIErr Free(Host& host, void* block) {
    if (!block) return kNoErr;
    if (host.blocks().erase(block) == 0) return kBadParameterErr;
    std::free(block);
    return kNoErr;
}

ASErr AIAPI AllocateBlock(size_t size, void** block) {
    return HostCall(kBasic, "AllocateBlock",
                    [&](Host& host) { return Allocate(host, size, block); });
}

ASErr AIAPI FreeBlock(void* block) {
    return HostCall(kBasic, "FreeBlock", [&](Host& host) { return Free(host, block); });
}

ASErr AIAPI ReallocateBlock(void* block, size_t newSize, void** newBlock) {
    return HostCall(kBasic, "ReallocateBlock", [&](Host& host) -> AIErr {
        if (!newBlock) return kBadParameterErr;
        if (!block) return Allocate(host, newSize, newBlock);
        if (host.blocks().count(block) == 0) return kBadParameterErr;
        void* moved = std::realloc(block, newSize ? newSize : 1);
        if (!moved) return kOutOfMemoryErr;
        host.blocks().erase(block);
        host.blocks().insert(moved);
        *newBlock = moved;
        return kNoErr;
    });
}

SPBasicSuite basicSuite = {AcquireSuite,  ReleaseSuite, IsEqual,
                           AllocateBlock, FreeBlock,    ReallocateBlock};

ASErr AIAPI BlocksAllocate(size_t size, const char*, void** block) {
    return HostCall(kSPBlocksSuite, "AllocateBlock",
                    [&](Host& host) { return Allocate(host, size, block); });
}

ASErr AIAPI BlocksFree(void* block) {
    return HostCall(kSPBlocksSuite, "FreeBlock", [&](Host& host) { return Free(host, block); });
}

SPBlocksSuite blocksSuite = {BlocksAllocate, BlocksFree};
SuiteTable blocksTable(kSPBlocksSuite, kSPBlocksSuiteVersion, &blocksSuite);

ASErr AIAPI NewHandle(size_t size, void** handle) {
    return HostCall(kAIMdMemorySuite, "MdMemoryNewHandle", [&](Host&) -> AIErr {
        if (!handle) return kBadParameterErr;
        *handle = AllocateMemoryHandle(size);
        return *handle ? kNoErr : kOutOfMemoryErr;
    });
}

ASErr AIAPI DisposeHandle(void* handle) {
    return HostCall(kAIMdMemorySuite, "MdMemoryDisposeHandle", [&](Host&) -> AIErr {
        if (!handle) return kNoErr;
        return FreeMemoryHandle(handle) ? kNoErr : kBadParameterErr;
    });
}

AIMdMemorySuite memorySuite = {NewHandle, DisposeHandle};
SuiteTable memoryTable(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &memorySuite);

}  // namespace

SPBasicSuite* HostBasicSuite() {
    return &basicSuite;
}

}  // namespace host
