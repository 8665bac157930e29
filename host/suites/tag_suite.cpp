// The Tag suite: named string tags on art.
#include <cstring>

#include "host/suites/suite_support.h"

namespace host {

namespace {

constexpr const char* kTags = kAITagSuite;

bool IsStringType(const char* type) {
    return type && std::strcmp(type, kTagStringType) == 0;
}

ASErr AIAPI SetTag(AIArtHandle handle, const char* name, const char* type, const char* value) {
    return HostCall(kTags, "SetTag", [&](Host& host) -> AIErr {
        if (!name || !*name || !value || !IsStringType(type)) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        host.document().Touch(*art);
        art->SetTag(name, value);
        return kNoErr;
    });
}

ASErr AIAPI GetTag(AIArtHandle handle, const char* name, const char* type, char* value,
                   size_t size) {
    return HostCall(kTags, "GetTag", [&](Host&) -> AIErr {
        if (!name || !IsStringType(type)) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        const std::string* tag = art->FindTag(name);
        if (!tag) return kNotFoundErr;
        return CopyOut(*tag, value, size, false);
    });
}

ASErr AIAPI HasTag(AIArtHandle handle, const char* name, const char* type, AIBoolean* has) {
    return HostCall(kTags, "HasTag", [&](Host&) -> AIErr {
        if (!name || !has || !IsStringType(type)) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        *has = art->FindTag(name) != nullptr;
        return kNoErr;
    });
}

ASErr AIAPI RemoveTag(AIArtHandle handle, const char* name) {
    return HostCall(kTags, "RemoveTag", [&](Host& host) -> AIErr {
        if (!name) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        // Taking away a tag the art does not carry changes nothing: nothing to record.
        if (!art->FindTag(name)) return kNoErr;
        host.document().Touch(*art);
        art->RemoveTag(name);
        return kNoErr;
    });
}

ASErr AIAPI CountTags(AIArtHandle handle, int32_t* count) {
    return HostCall(kTags, "CountTags", [&](Host&) -> AIErr {
        if (!count) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        *count = static_cast<int32_t>(art->tags.size());
        return kNoErr;
    });
}

// The name stays valid until the art's tags change.
ASErr AIAPI GetNthTag(AIArtHandle handle, int32_t n, const char** name) {
    return HostCall(kTags, "GetNthTag", [&](Host&) -> AIErr {
        if (!name) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        if (n < 0 || static_cast<std::size_t>(n) >= art->tags.size()) return kOutOfRangeErr;
        *name = art->tags[static_cast<std::size_t>(n)].first.c_str();
        return kNoErr;
    });
}

AITagSuite tagSuite = {SetTag, GetTag, HasTag, RemoveTag, CountTags, GetNthTag};
SuiteTable tagTable(kAITagSuite, kAITagSuiteVersion, &tagSuite);

}  // namespace
}  // namespace host
