// Every suite Quill uses besides the frame's basic five. Start-up fails without any of
// them, the four it never calls included (undo, dictionary, swatch list and group).
#include "plugin/services/suite_acquisition.h"
#include "plugin/services/suites.h"

namespace quill {

const ImportSuite kImportSuites[] = {
    // Frame.
    {kAIPluginSuite, kAIPluginSuiteVersion, &sAIPlugin},
    {kAIMenuSuite, kAIMenuSuiteVersion, &sAIMenu},
    // Tools.
    {kAIToolSuite, kAIToolSuiteVersion, &sAITool},
    {kADMIconSuite, kADMIconSuiteVersion, &sADMIcon},
    // Feedback.
    {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, &sAIAnnotator},
    {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &sAIAnnotatorDrawer},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &sAIDocumentView},
    // Document.
    {kAIArtSuite, kAIArtSuiteVersion, &sAIArt},
    {kAIPathSuite, kAIPathSuiteVersion, &sAIPath},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, &sAIPathStyle},
    {kAIPaintStyleSuite, kAIPaintStyleSuiteVersion, &sAIPaintStyle},
    {kAILayerSuite, kAILayerSuiteVersion, &sAILayer},
    {kAITagSuite, kAITagSuiteVersion, &sAITag},
    {kAIHitTestSuite, kAIHitTestSuiteVersion, &sAIHitTest},
    {kAICursorSnapSuite, kAICursorSnapSuiteVersion, &sAICursorSnap},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &sAIMatchingArt},
    {kAIArtSetSuite, kAIArtSetSuiteVersion, &sAIArtSet},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, &sAITransformArt},
    {kAITextFrameSuite, kAITextFrameSuiteVersion, &sAITextFrame},
    {kAIATEPaintSuite, kAIATEPaintSuiteVersion, &sAIATEPaint},
    {kAIFontSuite, kAIFontSuiteVersion, &sAIFont},
    {kAICustomColorSuite, kAICustomColorSuiteVersion, &sAICustomColor},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, &sAIDocument},
    {kAIArtConverterSuite, kAIArtConverterSuiteVersion, &sAIArtConverter},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, &sAIRealMath},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion, &sAIRealBezier},
    // Settings and messages.
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion, &sAIPreference},
    {kAIUserSuite, kAIUserSuiteVersion, &sAIUser},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion, &sAIRuntime},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &sAIUnicodeString},
    {kAIStringFormatUtilsSuite, kAIStringFormatUtilsSuiteVersion, &sAIStringFormatUtils},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, &sAIMdMemory},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, &sSPBlocks},
    // Text engine.
    {kTextRangeSuite, kTextRangeSuiteVersion, &sTextRange},
    {kCharFeaturesSuite, kCharFeaturesSuiteVersion, &sCharFeatures},
    {kParaFeaturesSuite, kParaFeaturesSuiteVersion, &sParaFeatures},
    // Held, never called.
    {kAIUndoSuite, kAIUndoSuiteVersion, &sAIUndo},
    {kAIDictionarySuite, kAIDictionarySuiteVersion, &sAIDictionary},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, &sAISwatchList},
    {kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, &sAISwatchGroup},
    {nullptr, 0, nullptr},
};

}  // namespace quill
