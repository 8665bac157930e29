// The text engine's suites: text ranges (contents, applying features) and the
// character and paragraph feature sets, of which only what was set is applied.
#include "host/suites/suite_support.h"
#include "host/suites/text_engine_objects.h"
#include "host/text/windows1252.h"

namespace host {

namespace {

/// The point text of a range, with kStaleHandleErr for a released range or text gone.
Art* RangeText(Host& host, TextRangeRef range, AIErr* error) {
    if (!range) {
        *error = kBadParameterErr;
        return nullptr;
    }
    auto& ranges = host.textObjects().ranges;
    auto it = ranges.find(IdOf(range));
    Art* text = it == ranges.end() ? nullptr : host.document().FindArt(it->second.art);
    *error = text ? kNoErr : kStaleHandleErr;
    return text;
}

template <class Body>
AIErr WithRange(const char* function, TextRangeRef range, Body&& body) {
    return HostCall(kTextRangeSuite, function, [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        Art* text = RangeText(host, range, &error);
        if (!text) return error;
        return body(host, *text);
    });
}

ASErr AIAPI ReleaseRange(TextRangeRef range) {
    return HostCall(kTextRangeSuite, "Release", [&](Host& host) -> AIErr {
        if (!range) return kBadParameterErr;
        return host.textObjects().ranges.erase(IdOf(range)) ? kNoErr : kStaleHandleErr;
    });
}

ASErr AIAPI GetSize(TextRangeRef range, int32_t* characters) {
    return WithRange("GetSize", range, [&](Host&, Art& text) -> AIErr {
        if (!characters) return kBadParameterErr;
        *characters = static_cast<int32_t>(Utf8CharacterCount(text.text().contents));
        return kNoErr;
    });
}

ASErr AIAPI SetContents(TextRangeRef range, const char* contents) {
    return WithRange("SetContents", range, [&](Host& host, Art& text) -> AIErr {
        if (!contents) return kBadParameterErr;
        host.document().Touch(text);
        text.text().contents = contents;
        host.document().GeometryChanged(&text);
        return kNoErr;
    });
}

ASErr AIAPI GetContents(TextRangeRef range, char* contents, size_t size) {
    return WithRange("GetContents", range, [&](Host&, Art& text) -> AIErr {
        return CopyOut(text.text().contents, contents, size, true);
    });
}

ASErr AIAPI SetLocalCharFeatures(TextRangeRef range, CharFeaturesRef features) {
    return WithRange("SetLocalCharFeatures", range, [&](Host& host, Art& text) -> AIErr {
        if (!features) return kBadParameterErr;
        auto& all = host.textObjects().charFeatures;
        auto it = all.find(IdOf(features));
        if (it == all.end()) return kStaleHandleErr;
        const CharFeaturesRecord& f = it->second;
        host.document().Touch(text);
        TextStyle& style = text.text().style;
        if (f.font) style.font = *f.font;
        if (f.size) style.size = *f.size;
        if (f.baselineShift) style.baselineShift = *f.baselineShift;
        if (f.tracking) style.tracking = *f.tracking;
        if (f.fill) style.fill = *f.fill;
        if (f.fillOverprint) style.fillOverprint = *f.fillOverprint;
        host.document().GeometryChanged(&text);
        return kNoErr;
    });
}

ASErr AIAPI SetLocalParaFeatures(TextRangeRef range, ParaFeaturesRef features) {
    return WithRange("SetLocalParaFeatures", range, [&](Host& host, Art& text) -> AIErr {
        if (!features) return kBadParameterErr;
        auto& all = host.textObjects().paraFeatures;
        auto it = all.find(IdOf(features));
        if (it == all.end()) return kStaleHandleErr;
        const ParaFeaturesRecord& f = it->second;
        host.document().Touch(text);
        if (f.justification) text.text().style.justification = *f.justification;
        if (f.firstLineIndent) text.text().style.firstLineIndent = *f.firstLineIndent;
        if (f.startIndent) text.text().style.startIndent = *f.startIndent;
        host.document().GeometryChanged(&text);
        return kNoErr;
    });
}

TextRangeSuite rangeSuite = {
    ReleaseRange, GetSize, SetContents, GetContents, SetLocalCharFeatures, SetLocalParaFeatures};
SuiteTable rangeTable(kTextRangeSuite, kTextRangeSuiteVersion, &rangeSuite);

template <class Body>
AIErr WithChar(const char* function, CharFeaturesRef features, Body&& body) {
    return HostCall(kCharFeaturesSuite, function, [&](Host& host) -> AIErr {
        if (!features) return kBadParameterErr;
        auto& all = host.textObjects().charFeatures;
        auto it = all.find(IdOf(features));
        if (it == all.end()) return kStaleHandleErr;
        return body(host, it->second);
    });
}

ASErr AIAPI InitializeChar(CharFeaturesRef* features) {
    return HostCall(kCharFeaturesSuite, "Initialize", [&](Host& host) -> AIErr {
        if (!features) return kBadParameterErr;
        ObjectId id = NextObjectId();
        host.textObjects().charFeatures[id] = CharFeaturesRecord{};
        *features = ToHandle<CharFeaturesRef>(id);
        return kNoErr;
    });
}

ASErr AIAPI ReleaseChar(CharFeaturesRef features) {
    return HostCall(kCharFeaturesSuite, "Release", [&](Host& host) -> AIErr {
        if (!features) return kBadParameterErr;
        return host.textObjects().charFeatures.erase(IdOf(features)) ? kNoErr : kStaleHandleErr;
    });
}

ASErr AIAPI SetFont(CharFeaturesRef features, FontRef font) {
    return WithChar("SetFont", features, [&](Host& host, CharFeaturesRecord& f) -> AIErr {
        if (!font) return kBadParameterErr;
        const std::string* name = host.textObjects().FontRefName(IdOf(font));
        if (!name) return kStaleHandleErr;
        f.font = *name;
        return kNoErr;
    });
}

ASErr AIAPI SetFontSize(CharFeaturesRef features, AIReal size) {
    return WithChar("SetFontSize", features, [&](Host&, CharFeaturesRecord& f) -> AIErr {
        if (!Finite(size) || size <= 0) return kBadParameterErr;
        f.size = size;
        return kNoErr;
    });
}

ASErr AIAPI SetBaselineShift(CharFeaturesRef features, AIReal shift) {
    return WithChar("SetBaselineShift", features, [&](Host&, CharFeaturesRecord& f) -> AIErr {
        if (!Finite(shift)) return kBadParameterErr;
        f.baselineShift = shift;
        return kNoErr;
    });
}

ASErr AIAPI SetTracking(CharFeaturesRef features, int32_t tracking) {
    return WithChar("SetTracking", features, [&](Host&, CharFeaturesRecord& f) -> AIErr {
        f.tracking = tracking;
        return kNoErr;
    });
}

ASErr AIAPI SetFillColor(CharFeaturesRef features, ApplicationPaintRef paint) {
    return WithChar("SetFillColor", features, [&](Host& host, CharFeaturesRecord& f) -> AIErr {
        if (!paint) return kBadParameterErr;
        auto& paints = host.textObjects().paints;
        auto it = paints.find(IdOf(paint));
        if (it == paints.end()) return kStaleHandleErr;
        f.fill = it->second;
        return kNoErr;
    });
}

ASErr AIAPI SetFillOverprint(CharFeaturesRef features, AIBoolean overprint) {
    return WithChar("SetFillOverprint", features, [&](Host&, CharFeaturesRecord& f) -> AIErr {
        f.fillOverprint = overprint != 0;
        return kNoErr;
    });
}

CharFeaturesSuite charSuite = {InitializeChar,   ReleaseChar, SetFont,      SetFontSize,
                               SetBaselineShift, SetTracking, SetFillColor, SetFillOverprint};
SuiteTable charTable(kCharFeaturesSuite, kCharFeaturesSuiteVersion, &charSuite);

template <class Body>
AIErr WithPara(const char* function, ParaFeaturesRef features, Body&& body) {
    return HostCall(kParaFeaturesSuite, function, [&](Host& host) -> AIErr {
        if (!features) return kBadParameterErr;
        auto& all = host.textObjects().paraFeatures;
        auto it = all.find(IdOf(features));
        if (it == all.end()) return kStaleHandleErr;
        return body(it->second);
    });
}

ASErr AIAPI InitializePara(ParaFeaturesRef* features) {
    return HostCall(kParaFeaturesSuite, "Initialize", [&](Host& host) -> AIErr {
        if (!features) return kBadParameterErr;
        ObjectId id = NextObjectId();
        host.textObjects().paraFeatures[id] = ParaFeaturesRecord{};
        *features = ToHandle<ParaFeaturesRef>(id);
        return kNoErr;
    });
}

ASErr AIAPI ReleasePara(ParaFeaturesRef features) {
    return HostCall(kParaFeaturesSuite, "Release", [&](Host& host) -> AIErr {
        if (!features) return kBadParameterErr;
        return host.textObjects().paraFeatures.erase(IdOf(features)) ? kNoErr : kStaleHandleErr;
    });
}

ASErr AIAPI SetJustification(ParaFeaturesRef features, int32_t justification) {
    return WithPara("SetJustification", features, [&](ParaFeaturesRecord& f) -> AIErr {
        if (justification != kLeftJustify && justification != kRightJustify &&
            justification != kCenterJustify)
            return kBadParameterErr;
        f.justification = justification;
        return kNoErr;
    });
}

ASErr AIAPI SetFirstLineIndent(ParaFeaturesRef features, AIReal indent) {
    return WithPara("SetFirstLineIndent", features, [&](ParaFeaturesRecord& f) -> AIErr {
        if (!Finite(indent)) return kBadParameterErr;
        f.firstLineIndent = indent;
        return kNoErr;
    });
}

ASErr AIAPI SetStartIndent(ParaFeaturesRef features, AIReal indent) {
    return WithPara("SetStartIndent", features, [&](ParaFeaturesRecord& f) -> AIErr {
        if (!Finite(indent)) return kBadParameterErr;
        f.startIndent = indent;
        return kNoErr;
    });
}

ParaFeaturesSuite paraSuite = {InitializePara, ReleasePara, SetJustification, SetFirstLineIndent,
                               SetStartIndent};
SuiteTable paraTable(kParaFeaturesSuite, kParaFeaturesSuiteVersion, &paraSuite);

}  // namespace
}  // namespace host
