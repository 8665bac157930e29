// The frame's global state: the host's suites, one pointer each, and how many `Suites`
// objects hold them in this process.
#include "plugin/services/suite_acquisition.h"
#include "plugin/services/suites.h"

extern "C" {
SPBasicSuite* sSPBasic = nullptr;
AIKeyboardStateSuite* sAIKeyboardState = nullptr;
SPAccessSuite* sSPAccess = nullptr;
SPPluginsSuite* sSPPlugins = nullptr;
AINotifierSuite* sAINotifier = nullptr;
AIContextSuite* sAIAppContext = nullptr;
ADMBasicSuite* sADMBasic = nullptr;
AIPluginSuite* sAIPlugin = nullptr;
AIMenuSuite* sAIMenu = nullptr;
AIToolSuite* sAITool = nullptr;
ADMIconSuite* sADMIcon = nullptr;
AIAnnotatorSuite* sAIAnnotator = nullptr;
AIAnnotatorDrawerSuite* sAIAnnotatorDrawer = nullptr;
AIDocumentViewSuite* sAIDocumentView = nullptr;
AIArtSuite* sAIArt = nullptr;
AIPathSuite* sAIPath = nullptr;
AIPathStyleSuite* sAIPathStyle = nullptr;
AIPaintStyleSuite* sAIPaintStyle = nullptr;
AILayerSuite* sAILayer = nullptr;
AITagSuite* sAITag = nullptr;
AIHitTestSuite* sAIHitTest = nullptr;
AICursorSnapSuite* sAICursorSnap = nullptr;
AIMatchingArtSuite* sAIMatchingArt = nullptr;
AIArtSetSuite* sAIArtSet = nullptr;
AITransformArtSuite* sAITransformArt = nullptr;
AITextFrameSuite* sAITextFrame = nullptr;
AIATEPaintSuite* sAIATEPaint = nullptr;
AIFontSuite* sAIFont = nullptr;
AICustomColorSuite* sAICustomColor = nullptr;
AIDocumentSuite* sAIDocument = nullptr;
AIArtConverterSuite* sAIArtConverter = nullptr;
AIRealMathSuite* sAIRealMath = nullptr;
AIRealBezierSuite* sAIRealBezier = nullptr;
AIPreferenceSuite* sAIPreference = nullptr;
AIUserSuite* sAIUser = nullptr;
AIRuntimeSuite* sAIRuntime = nullptr;
AIUnicodeStringSuite* sAIUnicodeString = nullptr;
AIStringFormatUtilsSuite* sAIStringFormatUtils = nullptr;
AIMdMemorySuite* sAIMdMemory = nullptr;
SPBlocksSuite* sSPBlocks = nullptr;
TextRangeSuite* sTextRange = nullptr;
CharFeaturesSuite* sCharFeatures = nullptr;
ParaFeaturesSuite* sParaFeatures = nullptr;
AIUndoSuite* sAIUndo = nullptr;
AIDictionarySuite* sAIDictionary = nullptr;
AISwatchListSuite* sAISwatchList = nullptr;
AISwatchGroupSuite* sAISwatchGroup = nullptr;
}

namespace quill {

std::int16_t suitesHolderCount = 0;

}  // namespace quill
