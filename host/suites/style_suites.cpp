// Path styles (of a path, and the current one new paths get), the paint style's active
// side, and the custom colours of the document.
#include <algorithm>

#include "host/suites/colors.h"
#include "host/suites/suite_support.h"
#include "host/suites/text_engine_objects.h"

namespace host {

namespace {

AIPathStyle StyleToSdk(Host& host, const PaintStyle& s) {
    AIPathStyle out{};
    out.fillPaint = s.fillPaint;
    out.fill.color = ColorToSdk(host, s.fill);
    out.fill.overprint = s.fillOverprint;
    out.strokePaint = s.strokePaint;
    out.stroke.color = ColorToSdk(host, s.stroke);
    out.stroke.overprint = s.strokeOverprint;
    out.stroke.width = s.width;
    out.stroke.dash.length = static_cast<int32_t>(s.dash.size());
    out.stroke.dash.offset = s.dashOffset;
    for (std::size_t i = 0; i < s.dash.size() && i < kMaxDashComponents; ++i)
        out.stroke.dash.array[i] = s.dash[i];
    out.stroke.cap = s.cap;
    out.stroke.join = s.join;
    out.stroke.miterLimit = s.miterLimit;
    out.evenodd = s.evenOdd;
    return out;
}

constexpr float kSmallestMiterLimit = 1.0f;

AIErr StyleFromSdk(Host& host, const AIPathStyle& in, PaintStyle* out) {
    PaintStyle s;
    const AIStrokeStyle& stroke = in.stroke;
    if (!InDrawingRange(stroke.width) || stroke.width < 0 || !Finite(stroke.miterLimit) ||
        !Finite(stroke.dash.offset) || stroke.dash.length < 0 ||
        stroke.dash.length > kMaxDashComponents || stroke.cap < kAIButtCap ||
        stroke.cap > kAIProjectingCap || stroke.join < kAIMiterJoin || stroke.join > kAIBevelJoin)
        return kBadParameterErr;
    for (int i = 0; i < stroke.dash.length; ++i) {
        if (!InDrawingRange(stroke.dash.array[i]) || stroke.dash.array[i] < 0)
            return kBadParameterErr;
        s.dash.push_back(stroke.dash.array[i]);
    }
    if (AIErr e = ColorFromSdk(host, in.fill.color, &s.fill)) return e;
    if (AIErr e = ColorFromSdk(host, stroke.color, &s.stroke)) return e;
    s.fillPaint = in.fillPaint;
    s.fillOverprint = in.fill.overprint;
    s.strokePaint = in.strokePaint;
    s.strokeOverprint = stroke.overprint;
    s.width = stroke.width;
    s.dashOffset = stroke.dash.offset;
    s.cap = stroke.cap;
    s.join = stroke.join;
    // As the host's own stroke panel does, a miter limit below 1 (a style left at zero)
    // becomes 1, the smallest a drawing can carry.
    s.miterLimit = std::max(kSmallestMiterLimit, stroke.miterLimit);
    s.evenOdd = in.evenodd;
    *out = s;
    return kNoErr;
}

// A path or a compound path: what has a path style.
Art* PaintedParameter(AIArtHandle handle, AIErr* error) {
    Art* art = ArtParameter(handle, error);
    if (art && art->kind() != ArtKind::CompoundPath) return PathParameter(handle, error);
    return art;
}

ASErr AIAPI GetPathStyle(AIArtHandle handle, AIPathStyle* style) {
    return HostCall(kAIPathStyleSuite, "GetPathStyle", [&](Host& host) -> AIErr {
        if (!style) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* path = PaintedParameter(handle, &error);
        if (!path) return error;
        *style = StyleToSdk(host, path->style());
        return kNoErr;
    });
}

ASErr AIAPI SetPathStyle(AIArtHandle handle, const AIPathStyle* style) {
    return HostCall(kAIPathStyleSuite, "SetPathStyle", [&](Host& host) -> AIErr {
        if (!style) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* path = PaintedParameter(handle, &error);
        if (!path) return error;
        PaintStyle paint;
        if (AIErr e = StyleFromSdk(host, *style, &paint)) return e;
        // As in the real host, a member's paint is its compound path's.
        host.document().SetStyle(path, paint);
        return kNoErr;
    });
}

ASErr AIAPI GetCurrentPathStyle(AIPathStyle* style) {
    return HostCall(kAIPathStyleSuite, "GetCurrentPathStyle", [&](Host& host) -> AIErr {
        if (!style) return kBadParameterErr;
        *style = StyleToSdk(host, host.currentPathStyle());
        return kNoErr;
    });
}

ASErr AIAPI SetCurrentPathStyle(const AIPathStyle* style) {
    return HostCall(kAIPathStyleSuite, "SetCurrentPathStyle", [&](Host& host) -> AIErr {
        if (!style) return kBadParameterErr;
        return StyleFromSdk(host, *style, &host.currentPathStyle());
    });
}

AIPathStyleSuite pathStyleSuite = {GetPathStyle, SetPathStyle, GetCurrentPathStyle,
                                   SetCurrentPathStyle};
SuiteTable pathStyleTable(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &pathStyleSuite);

ASErr AIAPI IsStrokeActive(AIBoolean* strokeActive) {
    return HostCall(kAIPaintStyleSuite, "IsStrokeActive", [&](Host&) -> AIErr {
        if (!strokeActive) return kBadParameterErr;
        *strokeActive = false;  // the fill is the colour being edited, as after start-up
        return kNoErr;
    });
}

AIPaintStyleSuite paintStyleSuite = {IsStrokeActive};
SuiteTable paintStyleTable(kAIPaintStyleSuite, kAIPaintStyleSuiteVersion, &paintStyleSuite);

CustomColorRecord* FindCustom(Host& host, AICustomColorHandle handle) {
    for (auto& record : host.customColors())
        if (record.id == IdOf(handle)) return &record;
    return nullptr;
}

ASErr AIAPI NewCustomColor(const AICustomColor* color, const char* name,
                           AICustomColorHandle* handle) {
    return HostCall(kAICustomColorSuite, "NewCustomColor", [&](Host& host) -> AIErr {
        if (!color || !name || !*name || !handle) return kBadParameterErr;
        if (color->kind != kCustomFourColor && color->kind != kCustomThreeColor)
            return kBadParameterErr;
        for (float c : color->c)
            if (!Finite(c)) return kBadParameterErr;
        // A name names one colour: a second definition replaces the first.
        ObjectId id = CustomColorId(host, name);
        FindCustom(host, ToHandle<AICustomColorHandle>(id))->color = *color;
        *handle = ToHandle<AICustomColorHandle>(id);
        return kNoErr;
    });
}

ASErr AIAPI GetCustomColor(AICustomColorHandle handle, AICustomColor* color) {
    return HostCall(kAICustomColorSuite, "GetCustomColor", [&](Host& host) -> AIErr {
        if (!handle || !color) return kBadParameterErr;
        CustomColorRecord* record = FindCustom(host, handle);
        if (!record) return kStaleHandleErr;
        *color = record->color;
        return kNoErr;
    });
}

ASErr AIAPI GetCustomColorName(AICustomColorHandle handle, char* name, size_t size) {
    return HostCall(kAICustomColorSuite, "GetCustomColorName", [&](Host& host) -> AIErr {
        if (!handle) return kBadParameterErr;
        CustomColorRecord* record = FindCustom(host, handle);
        if (!record) return kStaleHandleErr;
        return CopyOut(record->name, name, size, true);
    });
}

ASErr AIAPI CountCustomColors(int32_t* count) {
    return HostCall(kAICustomColorSuite, "CountCustomColors", [&](Host& host) -> AIErr {
        if (!count) return kBadParameterErr;
        *count = static_cast<int32_t>(host.customColors().size());
        return kNoErr;
    });
}

ASErr AIAPI GetNthCustomColor(int32_t n, AICustomColorHandle* handle) {
    return HostCall(kAICustomColorSuite, "GetNthCustomColor", [&](Host& host) -> AIErr {
        if (!handle) return kBadParameterErr;
        const auto& colors = host.customColors();
        if (n < 0 || static_cast<std::size_t>(n) >= colors.size()) return kOutOfRangeErr;
        *handle = ToHandle<AICustomColorHandle>(colors[static_cast<std::size_t>(n)].id);
        return kNoErr;
    });
}

AICustomColorSuite customColorSuite = {NewCustomColor, GetCustomColor, GetCustomColorName,
                                       CountCustomColors, GetNthCustomColor};
SuiteTable customColorTable(kAICustomColorSuite, kAICustomColorSuiteVersion, &customColorSuite);

}  // namespace
}  // namespace host
