// Point texts (Text Frame suite), the fonts the host offers (Font suite) and the
// text engine's paints (AIATE Paint suite).
#include "host/fonts/font_catalog.h"
#include "host/suites/colors.h"
#include "host/suites/suite_support.h"
#include "host/suites/text_engine_objects.h"

namespace host {

namespace {

ASErr AIAPI NewPointText(int16_t paintOrder, AIArtHandle prep, int32_t orientation,
                         AIRealPoint anchor, AIArtHandle* newText) {
    return HostCall(kAITextFrameSuite, "NewPointText", [&](Host& host) -> AIErr {
        if (!newText || !InDrawingRange(anchor) || orientation != kHorizontalTextOrientation)
            return kBadParameterErr;
        AIErr error = kNoErr;
        Art* prepArt = nullptr;
        if (prep && !(prepArt = ArtParameter(prep, &error))) return error;
        Art* text = host.document().NewArt(ArtKind::Text, paintOrder, prepArt);
        if (!text) return kBadParameterErr;
        const auto& fonts = host.fonts().names();
        text->text().style.font = fonts.empty() ? kFallbackFontFamily : fonts.front();
        host.document().SetMatrix(text, AIRealMatrix{1, 0, 0, 1, anchor.h, anchor.v});
        *newText = HandleOf(text);
        return kNoErr;
    });
}

ASErr AIAPI GetATETextRange(AIArtHandle handle, TextRangeRef* range) {
    return HostCall(kAITextFrameSuite, "GetATETextRange", [&](Host& host) -> AIErr {
        if (!range) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* text = TextParameter(handle, &error);
        if (!text) return error;
        ObjectId id = NextObjectId();
        host.textObjects().ranges[id] = TextRangeRecord{text->id()};
        *range = ToHandle<TextRangeRef>(id);
        return kNoErr;
    });
}

ASErr AIAPI GetTextFrameAnchor(AIArtHandle handle, AIRealPoint* anchor) {
    return HostCall(kAITextFrameSuite, "GetTextFrameAnchor", [&](Host&) -> AIErr {
        if (!anchor) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* text = TextParameter(handle, &error);
        if (!text) return error;
        *anchor = AIRealPoint{text->text().matrix.tx, text->text().matrix.ty};
        return kNoErr;
    });
}

ASErr AIAPI GetTextFrameMatrix(AIArtHandle handle, AIRealMatrix* matrix) {
    return HostCall(kAITextFrameSuite, "GetTextFrameMatrix", [&](Host&) -> AIErr {
        if (!matrix) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* text = TextParameter(handle, &error);
        if (!text) return error;
        *matrix = text->text().matrix;
        return kNoErr;
    });
}

AITextFrameSuite textFrameSuite = {NewPointText, GetATETextRange, GetTextFrameAnchor,
                                   GetTextFrameMatrix};
SuiteTable textFrameTable(kAITextFrameSuite, kAITextFrameSuiteVersion, &textFrameSuite);

ASErr AIAPI CountFonts(int32_t* count) {
    return HostCall(kAIFontSuite, "CountFonts", [&](Host& host) -> AIErr {
        if (!count) return kBadParameterErr;
        *count = static_cast<int32_t>(host.fonts().names().size());
        return kNoErr;
    });
}

ASErr AIAPI IndexFontList(int32_t index, AIFontKey* font) {
    return HostCall(kAIFontSuite, "IndexFontList", [&](Host& host) -> AIErr {
        if (!font) return kBadParameterErr;
        const auto& names = host.fonts().names();
        if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return kOutOfRangeErr;
        *font =
            ToHandle<AIFontKey>(host.textObjects().FontKey(names[static_cast<std::size_t>(index)]));
        return kNoErr;
    });
}

ASErr AIAPI GetFullFontName(AIFontKey font, char* name, size_t size) {
    return HostCall(kAIFontSuite, "GetFullFontName", [&](Host& host) -> AIErr {
        if (!font) return kBadParameterErr;
        const std::string* fontName = host.textObjects().FontKeyName(IdOf(font));
        if (!fontName) return kStaleHandleErr;
        return CopyOut(*fontName, name, size, true);
    });
}

ASErr AIAPI FindFont(const char* name, AIFontKey* font) {
    return HostCall(kAIFontSuite, "FindFont", [&](Host& host) -> AIErr {
        if (!name || !font) return kBadParameterErr;
        if (host.fonts().IndexOf(name) < 0) return kNotFoundErr;
        *font = ToHandle<AIFontKey>(host.textObjects().FontKey(name));
        return kNoErr;
    });
}

ASErr AIAPI FontFromFontKey(AIFontKey font, FontRef* ateFont) {
    return HostCall(kAIFontSuite, "FontFromFontKey", [&](Host& host) -> AIErr {
        if (!font || !ateFont) return kBadParameterErr;
        const std::string* fontName = host.textObjects().FontKeyName(IdOf(font));
        if (!fontName) return kStaleHandleErr;
        *ateFont = ToHandle<FontRef>(host.textObjects().FontRef(*fontName));
        return kNoErr;
    });
}

AIFontSuite fontSuite = {CountFonts, IndexFontList, GetFullFontName, FindFont, FontFromFontKey};
SuiteTable fontTable(kAIFontSuite, kAIFontSuiteVersion, &fontSuite);

ASErr AIAPI CreatePaint(const AIColor* color, ApplicationPaintRef* paint) {
    return HostCall(kAIATEPaintSuite, "CreateATEApplicationPaint", [&](Host& host) -> AIErr {
        if (!color || !paint) return kBadParameterErr;
        Color value;
        if (AIErr e = ColorFromSdk(host, *color, &value)) return e;
        ObjectId id = NextObjectId();
        host.textObjects().paints[id] = value;
        *paint = ToHandle<ApplicationPaintRef>(id);
        return kNoErr;
    });
}

ASErr AIAPI ReleasePaint(ApplicationPaintRef paint) {
    return HostCall(kAIATEPaintSuite, "ReleaseATEApplicationPaint", [&](Host& host) -> AIErr {
        if (!paint) return kBadParameterErr;
        return host.textObjects().paints.erase(IdOf(paint)) ? kNoErr : kStaleHandleErr;
    });
}

AIATEPaintSuite paintSuite = {CreatePaint, ReleasePaint};
SuiteTable paintTable(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &paintSuite);

}  // namespace
}  // namespace host
