// The Path suite: segments, the closed flag, segment Béziers, lengths and area.
#include <limits>

#include "host/geometry/bezier.h"
#include "host/suites/suite_support.h"

namespace host {

namespace {

constexpr const char* kPath = kAIPathSuite;

bool FiniteSegment(const AIPathSegment& s) {
    return Finite(s.p) && Finite(s.in) && Finite(s.out);
}

/// Whether [first, first + count) lies within [0, size).
bool InRange(int first, int count, std::size_t size) {
    return first >= 0 && count >= 0 &&
           static_cast<std::size_t>(first) + static_cast<std::size_t>(count) <= size;
}

ASErr AIAPI GetPathSegmentCount(AIArtHandle handle, int16_t* count) {
    return HostCall(kPath, "GetPathSegmentCount", [&](Host&) -> AIErr {
        if (!count) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        *count = static_cast<int16_t>(path->segments.size());
        return kNoErr;
    });
}

ASErr AIAPI SetPathSegmentCount(AIArtHandle handle, int16_t count) {
    return HostCall(kPath, "SetPathSegmentCount", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        if (count < 0) return kBadParameterErr;
        auto segments = path->segments;
        segments.resize(static_cast<std::size_t>(count), AIPathSegment{{0, 0}, {0, 0}, {0, 0}, 1});
        return host.document().SetSegments(path, std::move(segments)) ? kNoErr : kBadParameterErr;
    });
}

ASErr AIAPI GetPathSegments(AIArtHandle handle, int16_t segNumber, int16_t count,
                            AIPathSegment* segments) {
    return HostCall(kPath, "GetPathSegments", [&](Host&) -> AIErr {
        if (!segments) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        if (!InRange(segNumber, count, path->segments.size())) return kOutOfRangeErr;
        for (int i = 0; i < count; ++i)
            segments[i] = path->segments[static_cast<std::size_t>(segNumber + i)];
        return kNoErr;
    });
}

ASErr AIAPI SetPathSegments(AIArtHandle handle, int16_t segNumber, int16_t count,
                            const AIPathSegment* segments) {
    return HostCall(kPath, "SetPathSegments", [&](Host& host) -> AIErr {
        if (!segments) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        if (!InRange(segNumber, count, path->segments.size())) return kOutOfRangeErr;
        for (int i = 0; i < count; ++i)
            if (!FiniteSegment(segments[i])) return kBadParameterErr;
        auto updated = path->segments;
        for (int i = 0; i < count; ++i)
            updated[static_cast<std::size_t>(segNumber + i)] = segments[i];
        return host.document().SetSegments(path, std::move(updated)) ? kNoErr : kBadParameterErr;
    });
}

ASErr AIAPI GetPathClosed(AIArtHandle handle, AIBoolean* closed) {
    return HostCall(kPath, "GetPathClosed", [&](Host&) -> AIErr {
        if (!closed) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        *closed = path->closed;
        return kNoErr;
    });
}

ASErr AIAPI SetPathClosed(AIArtHandle handle, AIBoolean closed) {
    return HostCall(kPath, "SetPathClosed", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        host.document().SetClosed(path, closed != 0);
        return kNoErr;
    });
}

ASErr AIAPI GetPathBezier(AIArtHandle handle, int16_t segNumber, AIRealBezier* bezier) {
    return HostCall(kPath, "GetPathBezier", [&](Host&) -> AIErr {
        if (!bezier) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        int pieces =
            path->segments.size() < 2 ? 0 : geom::SegmentCount(path->segments, path->closed);
        if (segNumber < 0 || segNumber >= pieces) return kOutOfRangeErr;
        *bezier = geom::ToBezier(geom::SegmentCubic(path->segments, segNumber));
        return kNoErr;
    });
}

// Anchor n of a closed path stands for anchor 0 reached again by the closing segment, so
// that the closing segment can be measured too.
ASErr AIAPI MeasurePathSegments(AIArtHandle handle, int16_t segNumber, int16_t count,
                                AIReal* pieceLengths, AIReal* accumulatedLengths, AIReal) {
    return HostCall(kPath, "MeasurePathSegments", [&](Host&) -> AIErr {
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        std::size_t anchors = path->segments.size() + (path->closed && !path->segments.empty());
        if (!InRange(segNumber, count, anchors)) return kOutOfRangeErr;
        double sum = 0;
        for (int i = 0; i < count; ++i) {
            int anchor = segNumber + i;
            double piece =
                anchor == 0 ? 0 : geom::Length(geom::SegmentCubic(path->segments, anchor - 1));
            sum += piece;
            if (pieceLengths) pieceLengths[i] = static_cast<AIReal>(piece);
            if (accumulatedLengths) accumulatedLengths[i] = static_cast<AIReal>(sum);
        }
        return kNoErr;
    });
}

ASErr AIAPI GetPathArea(AIArtHandle handle, AIReal* area) {
    return HostCall(kPath, "GetPathArea", [&](Host&) -> AIErr {
        if (!area) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* path = PathParameter(handle, &error);
        if (!path) return error;
        *area = static_cast<AIReal>(geom::SignedArea(path->segments));
        return kNoErr;
    });
}

AIPathSuite pathSuite = {GetPathSegmentCount, SetPathSegmentCount, GetPathSegments,
                         SetPathSegments,     GetPathClosed,       SetPathClosed,
                         GetPathBezier,       MeasurePathSegments, GetPathArea};
SuiteTable pathTable(kAIPathSuite, kAIPathSuiteVersion, &pathSuite);

}  // namespace
}  // namespace host
