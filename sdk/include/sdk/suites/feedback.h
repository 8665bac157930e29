/* Annotators (drawing over the view), their drawer, and the document view. */
#ifndef SDK_SUITES_FEEDBACK_H
#define SDK_SUITES_FEEDBACK_H

#include "sdk/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIAnnotatorSuite "AI Annotator Suite"
#define kAIAnnotatorSuiteVersion 4
typedef struct AIAnnotatorSuite {
    ASErr(AIAPI* AddAnnotator)(SPPluginRef self, const char* name, AIAnnotatorHandle* annotator);
    ASErr(AIAPI* SetAnnotatorActive)(AIAnnotatorHandle annotator, AIBoolean active);
    ASErr(AIAPI* GetAnnotatorActive)(AIAnnotatorHandle annotator, AIBoolean* active);
    /* Asks for an annotation pass over `rect` (view pixels) of the view; NULL is the current view.
     */
    ASErr(AIAPI* InvalAnnotationRect)(AIDocumentViewHandle view, const AIRect* rect);
} AIAnnotatorSuite;

/* Drawing in view pixels, y downwards. */
#define kAIAnnotatorDrawerSuite "AI Annotator Drawer Suite"
#define kAIAnnotatorDrawerSuiteVersion 2
typedef struct AIAnnotatorDrawerSuite {
    ASErr(AIAPI* SetColor)(AIAnnotatorDrawer drawer, const AIRGBColor* color);
    ASErr(AIAPI* SetLineWidth)(AIAnnotatorDrawer drawer, AIReal width);
    ASErr(AIAPI* SetLineDashed)(AIAnnotatorDrawer drawer, AIBoolean dashed);
    ASErr(AIAPI* SetFontPreset)(AIAnnotatorDrawer drawer, int32_t preset);
    ASErr(AIAPI* DrawLine)(AIAnnotatorDrawer drawer, const AIPoint* start, const AIPoint* end);
    ASErr(AIAPI* DrawRect)(AIAnnotatorDrawer drawer, const AIRect* rect, AIBoolean fill);
    ASErr(AIAPI* DrawEllipse)(AIAnnotatorDrawer drawer, const AIRect* rect, AIBoolean fill);
    ASErr(AIAPI* DrawBezier)(AIAnnotatorDrawer drawer, const AIPoint* p0, const AIPoint* p1,
                             const AIPoint* p2, const AIPoint* p3);
    /* `text` is UTF-8; `at` is the left end of its baseline. */
    ASErr(AIAPI* DrawText)(AIAnnotatorDrawer drawer, const char* text, const AIPoint* at);
} AIAnnotatorDrawerSuite;

/* A NULL view is the current view of the current document. */
#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 10
typedef struct AIDocumentViewSuite {
    /* The part of the artwork the view shows, in artwork coordinates. */
    ASErr(AIAPI* GetDocumentViewBounds)(AIDocumentViewHandle view, AIRealRect* bounds);
    ASErr(AIAPI* ArtworkPointToViewPoint)(AIDocumentViewHandle view, const AIRealPoint* artPoint,
                                          AIPoint* viewPoint);
    ASErr(AIAPI* ViewPointToArtworkPoint)(AIDocumentViewHandle view, const AIPoint* viewPoint,
                                          AIRealPoint* artPoint);
    ASErr(AIAPI* GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
} AIDocumentViewSuite;

#ifdef __cplusplus
}
#endif

#endif
