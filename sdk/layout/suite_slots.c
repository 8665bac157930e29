/* The suites' function tables as host and plug-in index them: every function at its own
 * slot, one pointer wide, and no slot more. A function added, removed or moved in a table
 * changes where the other side finds every function after it. Pointers are 4 bytes on
 * 32-bit Windows and 8 on 64-bit Linux; the slots are the same on both. */
#include <stddef.h>

#include "sdk/sdk.h"

#define QUILL_SUITE(suite, functions)                                     \
    _Static_assert(sizeof(suite) == (functions) * sizeof(void (*)(void)), \
                   #suite " changed its number of functions")
#define QUILL_SLOT(suite, function, slot)                                        \
    _Static_assert(offsetof(suite, function) == (slot) * sizeof(void (*)(void)), \
                   #suite "." #function " moved")

QUILL_SUITE(SPBasicSuite, 6);
QUILL_SLOT(SPBasicSuite, AcquireSuite, 0);
QUILL_SLOT(SPBasicSuite, ReleaseSuite, 1);
QUILL_SLOT(SPBasicSuite, IsEqual, 2);
QUILL_SLOT(SPBasicSuite, AllocateBlock, 3);
QUILL_SLOT(SPBasicSuite, FreeBlock, 4);
QUILL_SLOT(SPBasicSuite, ReallocateBlock, 5);

QUILL_SUITE(AIArtSuite, 18);
QUILL_SLOT(AIArtSuite, NewArt, 0);
QUILL_SLOT(AIArtSuite, DisposeArt, 1);
QUILL_SLOT(AIArtSuite, ReorderArt, 2);
QUILL_SLOT(AIArtSuite, DuplicateArt, 3);
QUILL_SLOT(AIArtSuite, GetFirstArtOfLayer, 4);
QUILL_SLOT(AIArtSuite, GetLayerOfArt, 5);
QUILL_SLOT(AIArtSuite, GetArtType, 6);
QUILL_SLOT(AIArtSuite, GetArtUserAttr, 7);
QUILL_SLOT(AIArtSuite, SetArtUserAttr, 8);
QUILL_SLOT(AIArtSuite, GetArtParent, 9);
QUILL_SLOT(AIArtSuite, GetArtFirstChild, 10);
QUILL_SLOT(AIArtSuite, GetArtSibling, 11);
QUILL_SLOT(AIArtSuite, GetArtPriorSibling, 12);
QUILL_SLOT(AIArtSuite, IsArtLayerGroup, 13);
QUILL_SLOT(AIArtSuite, GetArtBounds, 14);
QUILL_SLOT(AIArtSuite, ValidArt, 15);
QUILL_SLOT(AIArtSuite, GetArtName, 16);
QUILL_SLOT(AIArtSuite, SetArtName, 17);

QUILL_SUITE(AIPathSuite, 9);
QUILL_SLOT(AIPathSuite, GetPathSegmentCount, 0);
QUILL_SLOT(AIPathSuite, SetPathSegmentCount, 1);
QUILL_SLOT(AIPathSuite, GetPathSegments, 2);
QUILL_SLOT(AIPathSuite, SetPathSegments, 3);
QUILL_SLOT(AIPathSuite, GetPathClosed, 4);
QUILL_SLOT(AIPathSuite, SetPathClosed, 5);
QUILL_SLOT(AIPathSuite, GetPathBezier, 6);
QUILL_SLOT(AIPathSuite, MeasurePathSegments, 7);
QUILL_SLOT(AIPathSuite, GetPathArea, 8);

QUILL_SUITE(AIPathStyleSuite, 4);
QUILL_SLOT(AIPathStyleSuite, GetPathStyle, 0);
QUILL_SLOT(AIPathStyleSuite, SetPathStyle, 1);
QUILL_SLOT(AIPathStyleSuite, GetCurrentPathStyle, 2);
QUILL_SLOT(AIPathStyleSuite, SetCurrentPathStyle, 3);

QUILL_SUITE(AIPaintStyleSuite, 1);
QUILL_SLOT(AIPaintStyleSuite, IsStrokeActive, 0);

QUILL_SUITE(AICustomColorSuite, 5);
QUILL_SLOT(AICustomColorSuite, NewCustomColor, 0);
QUILL_SLOT(AICustomColorSuite, GetCustomColor, 1);
QUILL_SLOT(AICustomColorSuite, GetCustomColorName, 2);
QUILL_SLOT(AICustomColorSuite, CountCustomColors, 3);
QUILL_SLOT(AICustomColorSuite, GetNthCustomColor, 4);

QUILL_SUITE(AILayerSuite, 12);
QUILL_SLOT(AILayerSuite, CountLayers, 0);
QUILL_SLOT(AILayerSuite, GetNthLayer, 1);
QUILL_SLOT(AILayerSuite, GetCurrentLayer, 2);
QUILL_SLOT(AILayerSuite, SetCurrentLayer, 3);
QUILL_SLOT(AILayerSuite, InsertLayer, 4);
QUILL_SLOT(AILayerSuite, GetLayerTitle, 5);
QUILL_SLOT(AILayerSuite, SetLayerTitle, 6);
QUILL_SLOT(AILayerSuite, GetLayerEditable, 7);
QUILL_SLOT(AILayerSuite, SetLayerEditable, 8);
QUILL_SLOT(AILayerSuite, GetLayerVisible, 9);
QUILL_SLOT(AILayerSuite, SetLayerVisible, 10);
QUILL_SLOT(AILayerSuite, GetLayerColor, 11);

QUILL_SUITE(AITagSuite, 6);
QUILL_SLOT(AITagSuite, SetTag, 0);
QUILL_SLOT(AITagSuite, GetTag, 1);
QUILL_SLOT(AITagSuite, HasTag, 2);
QUILL_SLOT(AITagSuite, RemoveTag, 3);
QUILL_SLOT(AITagSuite, CountTags, 4);
QUILL_SLOT(AITagSuite, GetNthTag, 5);

QUILL_SUITE(AIDocumentSuite, 2);
QUILL_SLOT(AIDocumentSuite, GetDocument, 0);
QUILL_SLOT(AIDocumentSuite, SetDocumentModified, 1);

QUILL_SUITE(AIAnnotatorSuite, 4);
QUILL_SLOT(AIAnnotatorSuite, AddAnnotator, 0);
QUILL_SLOT(AIAnnotatorSuite, SetAnnotatorActive, 1);
QUILL_SLOT(AIAnnotatorSuite, GetAnnotatorActive, 2);
QUILL_SLOT(AIAnnotatorSuite, InvalAnnotationRect, 3);

QUILL_SUITE(AIAnnotatorDrawerSuite, 9);
QUILL_SLOT(AIAnnotatorDrawerSuite, SetColor, 0);
QUILL_SLOT(AIAnnotatorDrawerSuite, SetLineWidth, 1);
QUILL_SLOT(AIAnnotatorDrawerSuite, SetLineDashed, 2);
QUILL_SLOT(AIAnnotatorDrawerSuite, SetFontPreset, 3);
QUILL_SLOT(AIAnnotatorDrawerSuite, DrawLine, 4);
QUILL_SLOT(AIAnnotatorDrawerSuite, DrawRect, 5);
QUILL_SLOT(AIAnnotatorDrawerSuite, DrawEllipse, 6);
QUILL_SLOT(AIAnnotatorDrawerSuite, DrawBezier, 7);
QUILL_SLOT(AIAnnotatorDrawerSuite, DrawText, 8);

QUILL_SUITE(AIDocumentViewSuite, 4);
QUILL_SLOT(AIDocumentViewSuite, GetDocumentViewBounds, 0);
QUILL_SLOT(AIDocumentViewSuite, ArtworkPointToViewPoint, 1);
QUILL_SLOT(AIDocumentViewSuite, ViewPointToArtworkPoint, 2);
QUILL_SLOT(AIDocumentViewSuite, GetDocumentViewZoom, 3);

QUILL_SUITE(SPAccessSuite, 2);
QUILL_SLOT(SPAccessSuite, AcquirePlugin, 0);
QUILL_SLOT(SPAccessSuite, ReleasePlugin, 1);

QUILL_SUITE(SPPluginsSuite, 2);
QUILL_SLOT(SPPluginsSuite, SetPluginName, 0);
QUILL_SLOT(SPPluginsSuite, GetPluginName, 1);

QUILL_SUITE(AINotifierSuite, 2);
QUILL_SLOT(AINotifierSuite, AddNotifier, 0);
QUILL_SLOT(AINotifierSuite, SetNotifierActive, 1);

QUILL_SUITE(AIContextSuite, 2);
QUILL_SLOT(AIContextSuite, PushAppContext, 0);
QUILL_SLOT(AIContextSuite, PopAppContext, 1);

QUILL_SUITE(ADMBasicSuite, 4);
QUILL_SLOT(ADMBasicSuite, ErrorAlert, 0);
QUILL_SLOT(ADMBasicSuite, MessageAlert, 1);
QUILL_SLOT(ADMBasicSuite, SetPlatformCursor, 2);
QUILL_SLOT(ADMBasicSuite, AboutBox, 3);

QUILL_SUITE(AIPluginSuite, 2);
QUILL_SLOT(AIPluginSuite, GetPluginOptions, 0);
QUILL_SLOT(AIPluginSuite, SetPluginOptions, 1);

QUILL_SUITE(AIMenuSuite, 5);
QUILL_SLOT(AIMenuSuite, AddMenuItem, 0);
QUILL_SLOT(AIMenuSuite, AddMenuGroupAsSubMenu, 1);
QUILL_SLOT(AIMenuSuite, CountMenuGroups, 2);
QUILL_SLOT(AIMenuSuite, GetNthMenuGroup, 3);
QUILL_SLOT(AIMenuSuite, GetMenuGroupName, 4);

QUILL_SUITE(AIPreferenceSuite, 8);
QUILL_SLOT(AIPreferenceSuite, GetBooleanPreference, 0);
QUILL_SLOT(AIPreferenceSuite, PutBooleanPreference, 1);
QUILL_SLOT(AIPreferenceSuite, GetIntegerPreference, 2);
QUILL_SLOT(AIPreferenceSuite, PutIntegerPreference, 3);
QUILL_SLOT(AIPreferenceSuite, GetRealPreference, 4);
QUILL_SLOT(AIPreferenceSuite, PutRealPreference, 5);
QUILL_SLOT(AIPreferenceSuite, GetStringPreference, 6);
QUILL_SLOT(AIPreferenceSuite, PutStringPreference, 7);

QUILL_SUITE(AIUserSuite, 2);
QUILL_SLOT(AIUserSuite, MessageAlert, 0);
QUILL_SLOT(AIUserSuite, EditInOriginalColorPicker, 1);

QUILL_SUITE(AIRuntimeSuite, 1);
QUILL_SLOT(AIRuntimeSuite, GetAppName, 0);

QUILL_SUITE(AIUnicodeStringSuite, 2);
QUILL_SLOT(AIUnicodeStringSuite, PlatformToUTF8, 0);
QUILL_SLOT(AIUnicodeStringSuite, UTF8ToPlatform, 1);

QUILL_SUITE(AIStringFormatUtilsSuite, 1);
QUILL_SLOT(AIStringFormatUtilsSuite, GetDecimalSeparator, 0);

QUILL_SUITE(AIMdMemorySuite, 2);
QUILL_SLOT(AIMdMemorySuite, MdMemoryNewHandle, 0);
QUILL_SLOT(AIMdMemorySuite, MdMemoryDisposeHandle, 1);

QUILL_SUITE(SPBlocksSuite, 2);
QUILL_SLOT(SPBlocksSuite, AllocateBlock, 0);
QUILL_SLOT(SPBlocksSuite, FreeBlock, 1);

QUILL_SUITE(AIUndoSuite, 1);
QUILL_SLOT(AIUndoSuite, SetUndoText, 0);

QUILL_SUITE(AIDictionarySuite, 2);
QUILL_SLOT(AIDictionarySuite, CreateDictionary, 0);
QUILL_SLOT(AIDictionarySuite, Release, 1);

QUILL_SUITE(AISwatchListSuite, 2);
QUILL_SLOT(AISwatchListSuite, GetSwatchList, 0);
QUILL_SLOT(AISwatchListSuite, CountSwatches, 1);

QUILL_SUITE(AISwatchGroupSuite, 1);
QUILL_SLOT(AISwatchGroupSuite, CountSwatchGroups, 0);

QUILL_SUITE(AIHitTestSuite, 4);
QUILL_SLOT(AIHitTestSuite, HitTestEx, 0);
QUILL_SLOT(AIHitTestSuite, GetHitData, 1);
QUILL_SLOT(AIHitTestSuite, Release, 2);
QUILL_SLOT(AIHitTestSuite, FindSegmentsNear, 3);

QUILL_SUITE(AICursorSnapSuite, 1);
QUILL_SLOT(AICursorSnapSuite, Track, 0);

QUILL_SUITE(AIMatchingArtSuite, 2);
QUILL_SLOT(AIMatchingArtSuite, GetMatchingArt, 0);
QUILL_SLOT(AIMatchingArtSuite, DeselectAll, 1);

QUILL_SUITE(AIArtSetSuite, 7);
QUILL_SLOT(AIArtSetSuite, NewArtSet, 0);
QUILL_SLOT(AIArtSetSuite, DisposeArtSet, 1);
QUILL_SLOT(AIArtSetSuite, CountArtSet, 2);
QUILL_SLOT(AIArtSetSuite, IndexArtSet, 3);
QUILL_SLOT(AIArtSetSuite, AddArtToArtSet, 4);
QUILL_SLOT(AIArtSetSuite, RemoveArtFromArtSet, 5);
QUILL_SLOT(AIArtSetSuite, MatchingArtSet, 6);

QUILL_SUITE(AITransformArtSuite, 1);
QUILL_SLOT(AITransformArtSuite, TransformArt, 0);

QUILL_SUITE(AIArtConverterSuite, 1);
QUILL_SLOT(AIArtConverterSuite, OutlineStroke, 0);

QUILL_SUITE(AIRealMathSuite, 5);
QUILL_SLOT(AIRealMathSuite, AIRealPointClose, 0);
QUILL_SLOT(AIRealMathSuite, AIRealRectOverlap, 1);
QUILL_SLOT(AIRealMathSuite, AIRealRectInAIRealRect, 2);
QUILL_SLOT(AIRealMathSuite, RadianToDegree, 3);
QUILL_SLOT(AIRealMathSuite, DegreeToRadian, 4);

QUILL_SUITE(AIRealBezierSuite, 5);
QUILL_SLOT(AIRealBezierSuite, Evaluate, 0);
QUILL_SLOT(AIRealBezierSuite, Tangent, 1);
QUILL_SLOT(AIRealBezierSuite, Length, 2);
QUILL_SLOT(AIRealBezierSuite, TAtLength, 3);
QUILL_SLOT(AIRealBezierSuite, Divide, 4);

QUILL_SUITE(AITextFrameSuite, 4);
QUILL_SLOT(AITextFrameSuite, NewPointText, 0);
QUILL_SLOT(AITextFrameSuite, GetATETextRange, 1);
QUILL_SLOT(AITextFrameSuite, GetTextFrameAnchor, 2);
QUILL_SLOT(AITextFrameSuite, GetTextFrameMatrix, 3);

QUILL_SUITE(TextRangeSuite, 6);
QUILL_SLOT(TextRangeSuite, Release, 0);
QUILL_SLOT(TextRangeSuite, GetSize, 1);
QUILL_SLOT(TextRangeSuite, SetContents, 2);
QUILL_SLOT(TextRangeSuite, GetContents, 3);
QUILL_SLOT(TextRangeSuite, SetLocalCharFeatures, 4);
QUILL_SLOT(TextRangeSuite, SetLocalParaFeatures, 5);

QUILL_SUITE(CharFeaturesSuite, 8);
QUILL_SLOT(CharFeaturesSuite, Initialize, 0);
QUILL_SLOT(CharFeaturesSuite, Release, 1);
QUILL_SLOT(CharFeaturesSuite, SetFont, 2);
QUILL_SLOT(CharFeaturesSuite, SetFontSize, 3);
QUILL_SLOT(CharFeaturesSuite, SetBaselineShift, 4);
QUILL_SLOT(CharFeaturesSuite, SetTracking, 5);
QUILL_SLOT(CharFeaturesSuite, SetFillColor, 6);
QUILL_SLOT(CharFeaturesSuite, SetFillOverprint, 7);

QUILL_SUITE(ParaFeaturesSuite, 5);
QUILL_SLOT(ParaFeaturesSuite, Initialize, 0);
QUILL_SLOT(ParaFeaturesSuite, Release, 1);
QUILL_SLOT(ParaFeaturesSuite, SetJustification, 2);
QUILL_SLOT(ParaFeaturesSuite, SetFirstLineIndent, 3);
QUILL_SLOT(ParaFeaturesSuite, SetStartIndent, 4);

QUILL_SUITE(AIATEPaintSuite, 2);
QUILL_SLOT(AIATEPaintSuite, CreateATEApplicationPaint, 0);
QUILL_SLOT(AIATEPaintSuite, ReleaseATEApplicationPaint, 1);

QUILL_SUITE(AIFontSuite, 5);
QUILL_SLOT(AIFontSuite, CountFonts, 0);
QUILL_SLOT(AIFontSuite, IndexFontList, 1);
QUILL_SLOT(AIFontSuite, GetFullFontName, 2);
QUILL_SLOT(AIFontSuite, FindFont, 3);
QUILL_SLOT(AIFontSuite, FontFromFontKey, 4);

QUILL_SUITE(AIToolSuite, 8);
QUILL_SLOT(AIToolSuite, AddTool, 0);
QUILL_SLOT(AIToolSuite, GetToolNumberFromName, 1);
QUILL_SLOT(AIToolSuite, GetToolHandleFromNumber, 2);
QUILL_SLOT(AIToolSuite, GetToolName, 3);
QUILL_SLOT(AIToolSuite, SetSelectedTool, 4);
QUILL_SLOT(AIToolSuite, GetSelectedTool, 5);
QUILL_SLOT(AIToolSuite, SetToolInfoVars, 6);
QUILL_SLOT(AIToolSuite, SetToolIcons, 7);

QUILL_SUITE(ADMIconSuite, 2);
QUILL_SLOT(ADMIconSuite, GetFromResource, 0);
QUILL_SLOT(ADMIconSuite, Destroy, 1);

QUILL_SUITE(AIKeyboardStateSuite, 1);
QUILL_SLOT(AIKeyboardStateSuite, GetKeyState, 0);
