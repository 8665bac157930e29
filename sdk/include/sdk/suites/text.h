/* Point texts and the text engine: ranges, character and paragraph features,
 * paints and fonts. Text contents are UTF-8. */
#ifndef SDK_SUITES_TEXT_H
#define SDK_SUITES_TEXT_H

#include "sdk/suites/art.h"
#include "sdk/types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _ATETextRange* TextRangeRef;
typedef struct _ATECharFeatures* CharFeaturesRef;
typedef struct _ATEParaFeatures* ParaFeaturesRef;
typedef struct _ATEApplicationPaint* ApplicationPaintRef;
typedef struct _ATEFont* FontRef;

#define kHorizontalTextOrientation 0

#define kAITextFrameSuite "AI Text Frame Suite"
#define kAITextFrameSuiteVersion 2
typedef struct AITextFrameSuite {
    ASErr(AIAPI* NewPointText)(int16_t paintOrder, AIArtHandle prep, int32_t orientation,
                               AIRealPoint anchor, AIArtHandle* newText);
    /* The whole text of the frame; release it with the text range suite. */
    ASErr(AIAPI* GetATETextRange)(AIArtHandle text, TextRangeRef* range);
    ASErr(AIAPI* GetTextFrameAnchor)(AIArtHandle text, AIRealPoint* anchor);
    ASErr(AIAPI* GetTextFrameMatrix)(AIArtHandle text, AIRealMatrix* matrix);
} AITextFrameSuite;

#define kTextRangeSuite "ATE TextRange Suite"
#define kTextRangeSuiteVersion 1
typedef struct TextRangeSuite {
    ASErr(AIAPI* Release)(TextRangeRef range);
    ASErr(AIAPI* GetSize)(TextRangeRef range, int32_t* characters);
    /* Replaces the range's text; "\r" starts a new paragraph. */
    ASErr(AIAPI* SetContents)(TextRangeRef range, const char* text);
    ASErr(AIAPI* GetContents)(TextRangeRef range, char* text, size_t size);
    ASErr(AIAPI* SetLocalCharFeatures)(TextRangeRef range, CharFeaturesRef features);
    ASErr(AIAPI* SetLocalParaFeatures)(TextRangeRef range, ParaFeaturesRef features);
} TextRangeSuite;

#define kCharFeaturesSuite "ATE CharFeatures Suite"
#define kCharFeaturesSuiteVersion 1
typedef struct CharFeaturesSuite {
    /* A set of features with nothing set; only what is set is applied. */
    ASErr(AIAPI* Initialize)(CharFeaturesRef* features);
    ASErr(AIAPI* Release)(CharFeaturesRef features);
    ASErr(AIAPI* SetFont)(CharFeaturesRef features, FontRef font);
    ASErr(AIAPI* SetFontSize)(CharFeaturesRef features, AIReal size);
    ASErr(AIAPI* SetBaselineShift)(CharFeaturesRef features, AIReal shift);
    ASErr(AIAPI* SetTracking)(CharFeaturesRef features, int32_t tracking);
    ASErr(AIAPI* SetFillColor)(CharFeaturesRef features, ApplicationPaintRef paint);
    ASErr(AIAPI* SetFillOverprint)(CharFeaturesRef features, AIBoolean overprint);
} CharFeaturesSuite;

#define kLeftJustify 0
#define kRightJustify 1
#define kCenterJustify 2
#define kParaFeaturesSuite "ATE ParaFeatures Suite"
#define kParaFeaturesSuiteVersion 1
typedef struct ParaFeaturesSuite {
    ASErr(AIAPI* Initialize)(ParaFeaturesRef* features);
    ASErr(AIAPI* Release)(ParaFeaturesRef features);
    ASErr(AIAPI* SetJustification)(ParaFeaturesRef features, int32_t justification);
    ASErr(AIAPI* SetFirstLineIndent)(ParaFeaturesRef features, AIReal indent);
    ASErr(AIAPI* SetStartIndent)(ParaFeaturesRef features, AIReal indent);
} ParaFeaturesSuite;

#define kAIATEPaintSuite "AIATE Paint Suite"
#define kAIATEPaintSuiteVersion 1
typedef struct AIATEPaintSuite {
    ASErr(AIAPI* CreateATEApplicationPaint)(const AIColor* color, ApplicationPaintRef* paint);
    ASErr(AIAPI* ReleaseATEApplicationPaint)(ApplicationPaintRef paint);
} AIATEPaintSuite;

#define kAIFontSuite "AI Font Suite"
#define kAIFontSuiteVersion 4
typedef struct AIFontSuite {
    ASErr(AIAPI* CountFonts)(int32_t* count);
    ASErr(AIAPI* IndexFontList)(int32_t index, AIFontKey* font);
    ASErr(AIAPI* GetFullFontName)(AIFontKey font, char* name, size_t size);
    /* The font whose full name is `name`; kNotFoundErr when none. */
    ASErr(AIAPI* FindFont)(const char* name, AIFontKey* font);
    ASErr(AIAPI* FontFromFontKey)(AIFontKey font, FontRef* ateFont);
} AIFontSuite;

#ifdef __cplusplus
}
#endif

#endif
