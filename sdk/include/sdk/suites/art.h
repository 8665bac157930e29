/* The document's art: art objects and their tree, paths, styles, layers and tags.
 * Names and titles are UTF-8; tag names and values are 8-bit strings. */
#ifndef SDK_SUITES_ART_H
#define SDK_SUITES_ART_H

#include "sdk/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Art types. */
#define kAnyArt (-1)
#define kUnknownArt 0
#define kGroupArt 1
#define kPathArt 2
#define kCompoundPathArt 3
#define kTextFrameArt 4

/* Where new or moved art goes, relative to the `prep` art. */
#define kPlaceDefault 0
#define kPlaceAbove 1
#define kPlaceBelow 2
#define kPlaceInsideOnTop 3
#define kPlaceInsideOnBottom 4
#define kPlaceAboveAll 5
#define kPlaceBelowAll 6

/* User attributes, as bits. */
#define kArtSelected 0x0001
#define kArtLocked 0x0002
#define kArtHidden 0x0004
#define kArtFullySelected 0x0008
#define kArtIsGuide 0x0010

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 15
typedef struct AIArtSuite {
    ASErr(AIAPI* NewArt)(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    ASErr(AIAPI* DisposeArt)(AIArtHandle art);
    ASErr(AIAPI* ReorderArt)(AIArtHandle art, int16_t paintOrder, AIArtHandle prep);
    ASErr(AIAPI* DuplicateArt)(AIArtHandle art, int16_t paintOrder, AIArtHandle prep,
                               AIArtHandle* newArt);
    /* The layer's group: the art that holds everything on the layer. */
    ASErr(AIAPI* GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
    ASErr(AIAPI* GetLayerOfArt)(AIArtHandle art, AILayerHandle* layer);
    ASErr(AIAPI* GetArtType)(AIArtHandle art, int16_t* type);
    ASErr(AIAPI* GetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t* attr);
    ASErr(AIAPI* SetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t attr);
    /* Tree walking; a missing neighbour is reported as NULL without error. */
    ASErr(AIAPI* GetArtParent)(AIArtHandle art, AIArtHandle* parent);
    ASErr(AIAPI* GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
    ASErr(AIAPI* GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
    ASErr(AIAPI* GetArtPriorSibling)(AIArtHandle art, AIArtHandle* sibling);
    ASErr(AIAPI* IsArtLayerGroup)(AIArtHandle art, AIBoolean* isLayerGroup);
    /* The art's geometric bounds (strokes not included), y upwards: top > bottom. */
    ASErr(AIAPI* GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
    /* Whether the handle names live art of the document. Never fails on a stale handle. */
    ASErr(AIAPI* ValidArt)(AIArtHandle art, AIBoolean searchAllLayerLists, AIBoolean* valid);
    ASErr(AIAPI* GetArtName)(AIArtHandle art, char* name, size_t size, AIBoolean* isDefaultName);
    ASErr(AIAPI* SetArtName)(AIArtHandle art, const char* name);
} AIArtSuite;

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 9
typedef struct AIPathSuite {
    ASErr(AIAPI* GetPathSegmentCount)(AIArtHandle path, int16_t* count);
    /* New segments are (0, 0) corners; extra segments are dropped. */
    ASErr(AIAPI* SetPathSegmentCount)(AIArtHandle path, int16_t count);
    ASErr(AIAPI* GetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                                  AIPathSegment* segments);
    ASErr(AIAPI* SetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                                  const AIPathSegment* segments);
    ASErr(AIAPI* GetPathClosed)(AIArtHandle path, AIBoolean* closed);
    ASErr(AIAPI* SetPathClosed)(AIArtHandle path, AIBoolean closed);
    /* The Bézier from anchor segNumber to the next; on a closed path, segNumber n-1
     * is the closing segment. */
    ASErr(AIAPI* GetPathBezier)(AIArtHandle path, int16_t segNumber, AIRealBezier* bezier);
    /* For anchors segNumber .. segNumber+count-1: pieceLengths[i] is the length of the
     * segment that ends at that anchor (0 for the first), accumulatedLengths[i] their
     * running sum. Either array may be NULL. Flatness 0 is the host's default. */
    ASErr(AIAPI* MeasurePathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                                      AIReal* pieceLengths, AIReal* accumulatedLengths,
                                      AIReal flatness);
    /* Signed area enclosed by the path as if closed, square points; counter-clockwise
     * positive. */
    ASErr(AIAPI* GetPathArea)(AIArtHandle path, AIReal* area);
} AIPathSuite;

/* Colours. Components run from 0 to 1. */
#define kGrayColor 0
#define kFourColor 1
#define kCustomColor 3
#define kThreeColor 5
#define kNoneColor 6

typedef struct AIColor {
    int32_t kind;
    union {
        struct {
            AIReal gray;
        } g;
        struct {
            AIReal cyan, magenta, yellow, black;
        } f;
        struct {
            AIReal red, green, blue;
        } rgb;
        struct {
            AICustomColorHandle color;
            AIReal tint;
        } c;
    } c;
} AIColor;

#define kAIButtCap 0
#define kAIRoundCap 1
#define kAIProjectingCap 2
#define kAIMiterJoin 0
#define kAIRoundJoin 1
#define kAIBevelJoin 2
#define kMaxDashComponents 6

typedef struct AIDashStyle {
    int32_t length; /* entries used in array */
    AIReal offset;
    AIReal array[kMaxDashComponents];
} AIDashStyle;

typedef struct AIFillStyle {
    AIColor color;
    AIBoolean overprint;
} AIFillStyle;

typedef struct AIStrokeStyle {
    AIColor color;
    AIBoolean overprint;
    AIReal width;
    AIDashStyle dash;
    int32_t cap;
    int32_t join;
    AIReal miterLimit;
} AIStrokeStyle;

typedef struct AIPathStyle {
    AIBoolean fillPaint;
    AIBoolean strokePaint;
    AIFillStyle fill;
    AIStrokeStyle stroke;
    AIBoolean clip;
    AIBoolean lockClip;
    AIBoolean evenodd;
    AIReal resolution;
} AIPathStyle;

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 11
typedef struct AIPathStyleSuite {
    ASErr(AIAPI* GetPathStyle)(AIArtHandle path, AIPathStyle* style);
    ASErr(AIAPI* SetPathStyle)(AIArtHandle path, const AIPathStyle* style);
    /* The style new paths get. */
    ASErr(AIAPI* GetCurrentPathStyle)(AIPathStyle* style);
    ASErr(AIAPI* SetCurrentPathStyle)(const AIPathStyle* style);
} AIPathStyleSuite;

#define kAIPaintStyleSuite "AI Paint Style Suite"
#define kAIPaintStyleSuiteVersion 7
typedef struct AIPaintStyleSuite {
    /* Whether the stroke, rather than the fill, is the colour being edited. */
    ASErr(AIAPI* IsStrokeActive)(AIBoolean* strokeActive);
} AIPaintStyleSuite;

#define kAICustomColorSuite "AI Custom Color Suite"
#define kAICustomColorSuiteVersion 6
#define kCustomFourColor 0
#define kCustomThreeColor 1
typedef struct AICustomColor {
    int32_t kind; /* kCustomFourColor or kCustomThreeColor */
    AIReal c[4];  /* CMYK or RGB */
    AIBoolean spot;
} AICustomColor;
typedef struct AICustomColorSuite {
    ASErr(AIAPI* NewCustomColor)(const AICustomColor* color, const char* name,
                                 AICustomColorHandle* handle);
    ASErr(AIAPI* GetCustomColor)(AICustomColorHandle handle, AICustomColor* color);
    ASErr(AIAPI* GetCustomColorName)(AICustomColorHandle handle, char* name, size_t size);
    ASErr(AIAPI* CountCustomColors)(int32_t* count);
    ASErr(AIAPI* GetNthCustomColor)(int32_t n, AICustomColorHandle* handle);
} AICustomColorSuite;

/* Layers are numbered from the top: layer 0 is painted above all others. */
#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 11
typedef struct AILayerSuite {
    ASErr(AIAPI* CountLayers)(int32_t* count);
    ASErr(AIAPI* GetNthLayer)(int32_t index, AILayerHandle* layer);
    ASErr(AIAPI* GetCurrentLayer)(AILayerHandle* layer);
    ASErr(AIAPI* SetCurrentLayer)(AILayerHandle layer);
    /* A new layer above or below `base` (kPlaceAbove, kPlaceBelow), or above or below
     * all layers (kPlaceAboveAll, kPlaceBelowAll; base ignored). */
    ASErr(AIAPI* InsertLayer)(AILayerHandle base, int16_t paintOrder, AILayerHandle* layer);
    ASErr(AIAPI* GetLayerTitle)(AILayerHandle layer, char* title, size_t size);
    ASErr(AIAPI* SetLayerTitle)(AILayerHandle layer, const char* title);
    /* Editable: unlocked and visible. */
    ASErr(AIAPI* GetLayerEditable)(AILayerHandle layer, AIBoolean* editable);
    ASErr(AIAPI* SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
    ASErr(AIAPI* GetLayerVisible)(AILayerHandle layer, AIBoolean* visible);
    ASErr(AIAPI* SetLayerVisible)(AILayerHandle layer, AIBoolean visible);
    ASErr(AIAPI* GetLayerColor)(AILayerHandle layer, AIRGBColor* color);
} AILayerSuite;

#define kTagStringType "string"
#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2
typedef struct AITagSuite {
    ASErr(AIAPI* SetTag)(AIArtHandle art, const char* name, const char* type, const char* value);
    /* kNotFoundErr when the art has no such tag, kBufferTooSmallErr when the value
     * does not fit (the buffer then holds its beginning). */
    ASErr(AIAPI* GetTag)(AIArtHandle art, const char* name, const char* type, char* value,
                         size_t size);
    ASErr(AIAPI* HasTag)(AIArtHandle art, const char* name, const char* type, AIBoolean* has);
    /* Removing a tag the art does not carry is not an error. */
    ASErr(AIAPI* RemoveTag)(AIArtHandle art, const char* name);
    ASErr(AIAPI* CountTags)(AIArtHandle art, int32_t* count);
    ASErr(AIAPI* GetNthTag)(AIArtHandle art, int32_t n, const char** name);
} AITagSuite;

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 12
typedef struct AIDocumentSuite {
    ASErr(AIAPI* GetDocument)(AIDocumentHandle* document);
    ASErr(AIAPI* SetDocumentModified)(AIBoolean modified);
} AIDocumentSuite;

#ifdef __cplusplus
}
#endif

#endif
