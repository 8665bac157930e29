/* Basic types shared by the host and its plug-ins.
 *
 * Coordinates are document points (1/72 inch), y growing upwards, in
 * single-precision reals. View coordinates are screen pixels, y downwards.
 * Every handle is an opaque pointer that only the host can interpret. */
#ifndef SDK_TYPES_H
#define SDK_TYPES_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define AIAPI __cdecl
#else
#define AIAPI
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t AIErr;
typedef int32_t ASErr;
typedef float AIReal;
typedef uint8_t AIBoolean;

/* A four-character code: the bytes of the four characters, most significant first. */
#define AI_FOURCC(a, b, c, d)                                                    \
    ((int32_t)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
               ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

typedef struct AIRealPoint {
    AIReal h, v;
} AIRealPoint;

typedef AIRealPoint AIRealVector;

/* A point in view (screen) pixels. */
typedef struct AIPoint {
    int32_t h, v;
} AIPoint;

typedef struct AIRealRect {
    AIReal left, top, right, bottom;
} AIRealRect;

typedef struct AIRect {
    int32_t left, top, right, bottom;
} AIRect;

/* Maps (x, y) to (a x + c y + tx, b x + d y + ty). */
typedef struct AIRealMatrix {
    AIReal a, b, c, d, tx, ty;
} AIRealMatrix;

/* One anchor of a path with its incoming and outgoing control points. A
 * control point equal to its anchor is retracted. */
typedef struct AIPathSegment {
    AIRealPoint p, in, out;
    AIBoolean corner;
} AIPathSegment;

typedef struct AIRealBezier {
    AIRealPoint p0, p1, p2, p3;
} AIRealBezier;

/* 16-bit colour components, 0 to 65535. */
typedef struct AIRGBColor {
    uint16_t red, green, blue;
} AIRGBColor;

typedef struct _SPPlugin* SPPluginRef;
typedef struct _SPAccess* SPAccessRef;
typedef struct _AIArt* AIArtHandle;
typedef struct _AILayer* AILayerHandle;
typedef struct _AITool* AIToolHandle;
typedef struct _AINotifier* AINotifierHandle;
typedef struct _AIAnnotator* AIAnnotatorHandle;
typedef struct _AIMenuItem* AIMenuItemHandle;
typedef struct _AIMenuGroup* AIMenuGroup;
typedef struct _AIDocumentView* AIDocumentViewHandle;
typedef struct _AIAnnotatorDrawer* AIAnnotatorDrawer;
typedef struct _AIAppContext* AIAppContextHandle;
typedef struct _AIHitRef* AIHitRef;
typedef struct _AIArtSet* AIArtSet;
typedef struct _AIFontKey* AIFontKey;
typedef struct _AICustomColor* AICustomColorHandle;
typedef struct _ADMIcon* ADMIconRef;
typedef struct _AIUnicodeString* AIUnicodeStringRef;
typedef struct _AIDictionary* AIDictionaryRef;
typedef struct _AISwatchList* AISwatchListRef;
typedef struct _AIDocument* AIDocumentHandle;

#ifdef __cplusplus
}
#endif

#endif
