// Just enough of the art, path and tag suites over the stand-in host's document for the
// tests and benchmarks of the geometry to drive the plug-in's code through suites. The
// host's own suites serve everything else; these stand in only where the suites of the
// document model are not linked.
#pragma once

#include <cstring>
#include <vector>

#include "host/geometry/bezier.h"
#include "host/geometry/path_shape.h"
#include "host/session/host.h"
#include "host/suites/handles.h"
#include "plugin/frame/suites.h"

namespace quill::testing {

namespace document_suites {

inline ASErr AIAPI GetArtUserAttr(AIArtHandle art, int32_t which, int32_t* attr) {
    const host::Art* a = host::ArtOf(art);
    if (!a || !attr) return kStaleHandleErr;
    *attr = a->attributes & which;
    return kNoErr;
}

inline ASErr AIAPI SetArtUserAttr(AIArtHandle art, int32_t which, int32_t attr) {
    host::Art* a = host::ArtOf(art);
    if (!a) return kStaleHandleErr;
    a->attributes = (a->attributes & ~which) | (attr & which);
    return kNoErr;
}

inline ASErr AIAPI GetPathSegmentCount(AIArtHandle path, int16_t* count) {
    const host::Art* a = host::ArtOf(path);
    if (!a || !count) return kStaleHandleErr;
    *count = static_cast<int16_t>(a->segments.size());
    return kNoErr;
}

inline ASErr AIAPI GetPathSegments(AIArtHandle path, int16_t first, int16_t count,
                                   AIPathSegment* segments) {
    const host::Art* a = host::ArtOf(path);
    if (!a || !segments) return kStaleHandleErr;
    if (first < 0 || count < 0 || first + count > static_cast<int>(a->segments.size()))
        return kOutOfRangeErr;
    std::memcpy(segments, a->segments.data() + first, sizeof(AIPathSegment) * count);
    return kNoErr;
}

inline ASErr AIAPI GetPathClosed(AIArtHandle path, AIBoolean* closed) {
    const host::Art* a = host::ArtOf(path);
    if (!a || !closed) return kStaleHandleErr;
    *closed = a->closed;
    return kNoErr;
}

inline ASErr AIAPI GetPathBezier(AIArtHandle path, int16_t i, AIRealBezier* bezier) {
    const host::Art* a = host::ArtOf(path);
    if (!a || !bezier) return kStaleHandleErr;
    const int n = static_cast<int>(a->segments.size());
    if (i < 0 || i >= host::geom::SegmentCount(a->segments, a->closed)) return kOutOfRangeErr;
    (void)n;
    *bezier = host::geom::ToBezier(host::geom::SegmentCubic(a->segments, i));
    return kNoErr;
}

inline ASErr AIAPI HasTag(AIArtHandle art, const char* name, const char*, AIBoolean* has) {
    const host::Art* a = host::ArtOf(art);
    if (!a || !name || !has) return kStaleHandleErr;
    *has = a->FindTag(name) != nullptr;
    return kNoErr;
}

}  // namespace document_suites

/// Points the plug-in's suite globals at the host's geometric suites and at the stand-ins
/// above; undone on destruction.
class PluginSuites {
 public:
    explicit PluginSuites(host::Host& host) {
        using namespace document_suites;
        art_.GetArtUserAttr = GetArtUserAttr;
        art_.SetArtUserAttr = SetArtUserAttr;
        path_.GetPathSegmentCount = GetPathSegmentCount;
        path_.GetPathSegments = GetPathSegments;
        path_.GetPathClosed = GetPathClosed;
        path_.GetPathBezier = GetPathBezier;
        tag_.HasTag = HasTag;
        sAIArt = &art_;
        sAIPath = &path_;
        sAITag = &tag_;
        auto find = [&](const char* name, int version) {
            return const_cast<void*>(host.suites().Find(name, version));
        };
        sAIHitTest = static_cast<AIHitTestSuite*>(find(kAIHitTestSuite, kAIHitTestSuiteVersion));
        sAICursorSnap =
            static_cast<AICursorSnapSuite*>(find(kAICursorSnapSuite, kAICursorSnapSuiteVersion));
        sAIRealMath =
            static_cast<AIRealMathSuite*>(find(kAIRealMathSuite, kAIRealMathSuiteVersion));
        sAIRealBezier =
            static_cast<AIRealBezierSuite*>(find(kAIRealBezierSuite, kAIRealBezierSuiteVersion));
    }
    ~PluginSuites() {
        sAIArt = nullptr;
        sAIPath = nullptr;
        sAITag = nullptr;
        sAIHitTest = nullptr;
        sAICursorSnap = nullptr;
        sAIRealMath = nullptr;
        sAIRealBezier = nullptr;
    }
    PluginSuites(const PluginSuites&) = delete;
    PluginSuites& operator=(const PluginSuites&) = delete;

 private:
    AIArtSuite art_{};
    AIPathSuite path_{};
    AITagSuite tag_{};
};

}  // namespace quill::testing
