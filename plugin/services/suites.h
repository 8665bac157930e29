// The host suites the plug-in holds, one global pointer each, filled at start-up by
// the suite acquisition and cleared when they are released. They are the frame's global
// state and are defined there (frame/suite_globals.cpp).
#pragma once

#include "sdk/sdk.h"

extern "C" {
extern SPBasicSuite* sSPBasic;
/// Taken on first use where the host reports the keys held (see keyboard.h).
extern AIKeyboardStateSuite* sAIKeyboardState;

extern SPAccessSuite* sSPAccess;
extern SPPluginsSuite* sSPPlugins;
extern AINotifierSuite* sAINotifier;
extern AIContextSuite* sAIAppContext;
extern ADMBasicSuite* sADMBasic;
extern AIPluginSuite* sAIPlugin;
extern AIMenuSuite* sAIMenu;

extern AIToolSuite* sAITool;
extern ADMIconSuite* sADMIcon;

extern AIAnnotatorSuite* sAIAnnotator;
extern AIAnnotatorDrawerSuite* sAIAnnotatorDrawer;
extern AIDocumentViewSuite* sAIDocumentView;

extern AIArtSuite* sAIArt;
extern AIPathSuite* sAIPath;
extern AIPathStyleSuite* sAIPathStyle;
extern AIPaintStyleSuite* sAIPaintStyle;
extern AILayerSuite* sAILayer;
extern AITagSuite* sAITag;
extern AIHitTestSuite* sAIHitTest;
extern AICursorSnapSuite* sAICursorSnap;
extern AIMatchingArtSuite* sAIMatchingArt;
extern AIArtSetSuite* sAIArtSet;
extern AITransformArtSuite* sAITransformArt;
extern AITextFrameSuite* sAITextFrame;
extern AIATEPaintSuite* sAIATEPaint;
extern AIFontSuite* sAIFont;
extern AICustomColorSuite* sAICustomColor;
extern AIDocumentSuite* sAIDocument;
extern AIArtConverterSuite* sAIArtConverter;
extern AIRealMathSuite* sAIRealMath;
extern AIRealBezierSuite* sAIRealBezier;

extern AIPreferenceSuite* sAIPreference;
extern AIUserSuite* sAIUser;
extern AIRuntimeSuite* sAIRuntime;
extern AIUnicodeStringSuite* sAIUnicodeString;
extern AIStringFormatUtilsSuite* sAIStringFormatUtils;
extern AIMdMemorySuite* sAIMdMemory;
extern SPBlocksSuite* sSPBlocks;

extern TextRangeSuite* sTextRange;
extern CharFeaturesSuite* sCharFeatures;
extern ParaFeaturesSuite* sParaFeatures;

extern AIUndoSuite* sAIUndo;
extern AIDictionarySuite* sAIDictionary;
extern AISwatchListSuite* sAISwatchList;
extern AISwatchGroupSuite* sAISwatchGroup;
}
