/* The byte layout of every record and message the host and a plug-in exchange, checked at
 * compile time. The product is a 32-bit Windows plug-in; the Linux build is 64-bit. Both
 * are written out below, so that a record whose layout changes on either (a field added
 * or moved, a packing pragma, a type of another size) stops the build instead of making
 * host and plug-in read each other's bytes at different places. */
#include <stddef.h>
#include <stdint.h>

#include "sdk/sdk.h"

#if defined(_WIN32) && !defined(_WIN64)
#define QUILL_ON_THIS_PLATFORM(on32, on64) (on32)
#elif defined(__linux__) && defined(__LP64__)
#define QUILL_ON_THIS_PLATFORM(on32, on64) (on64)
#else
#error "record layouts are known for 32-bit Windows and 64-bit Linux only"
#endif

/* The scalar types the records are made of. */
_Static_assert(sizeof(AIReal) == 4, "AIReal is a 4-byte float");
_Static_assert(sizeof(AIBoolean) == 1, "AIBoolean is one byte");
_Static_assert(sizeof(ASErr) == 4 && sizeof(AIErr) == 4, "error codes are 32-bit");
_Static_assert(sizeof(void*) == QUILL_ON_THIS_PLATFORM(4, 8), "pointer size");
_Static_assert(sizeof(size_t) == sizeof(void*), "size_t is as wide as a pointer");

#define QUILL_RECORD(type, size32, align32, size64, align64)                                       \
    _Static_assert(sizeof(type) == QUILL_ON_THIS_PLATFORM(size32, size64), #type " changed size"); \
    _Static_assert(_Alignof(type) == QUILL_ON_THIS_PLATFORM(align32, align64),                     \
                   #type " changed alignment")
#define QUILL_FIELD(type, field, at32, at64)                                    \
    _Static_assert(offsetof(type, field) == QUILL_ON_THIS_PLATFORM(at32, at64), \
                   #type "." #field " moved")

/* type, then its size and alignment on 32-bit Windows and on 64-bit Linux; each field,
 * then its offset on both. */
QUILL_RECORD(AIRealPoint, 8, 4, 8, 4);
QUILL_FIELD(AIRealPoint, h, 0, 0);
QUILL_FIELD(AIRealPoint, v, 4, 4);

QUILL_RECORD(AIPoint, 8, 4, 8, 4);
QUILL_FIELD(AIPoint, h, 0, 0);
QUILL_FIELD(AIPoint, v, 4, 4);

QUILL_RECORD(AIRealRect, 16, 4, 16, 4);
QUILL_FIELD(AIRealRect, left, 0, 0);
QUILL_FIELD(AIRealRect, top, 4, 4);
QUILL_FIELD(AIRealRect, right, 8, 8);
QUILL_FIELD(AIRealRect, bottom, 12, 12);

QUILL_RECORD(AIRect, 16, 4, 16, 4);
QUILL_FIELD(AIRect, left, 0, 0);
QUILL_FIELD(AIRect, top, 4, 4);
QUILL_FIELD(AIRect, right, 8, 8);
QUILL_FIELD(AIRect, bottom, 12, 12);

QUILL_RECORD(AIRealMatrix, 24, 4, 24, 4);
QUILL_FIELD(AIRealMatrix, a, 0, 0);
QUILL_FIELD(AIRealMatrix, b, 4, 4);
QUILL_FIELD(AIRealMatrix, c, 8, 8);
QUILL_FIELD(AIRealMatrix, d, 12, 12);
QUILL_FIELD(AIRealMatrix, tx, 16, 16);
QUILL_FIELD(AIRealMatrix, ty, 20, 20);

QUILL_RECORD(AIPathSegment, 28, 4, 28, 4);
QUILL_FIELD(AIPathSegment, p, 0, 0);
QUILL_FIELD(AIPathSegment, in, 8, 8);
QUILL_FIELD(AIPathSegment, out, 16, 16);
QUILL_FIELD(AIPathSegment, corner, 24, 24);

QUILL_RECORD(AIRealBezier, 32, 4, 32, 4);
QUILL_FIELD(AIRealBezier, p0, 0, 0);
QUILL_FIELD(AIRealBezier, p1, 8, 8);
QUILL_FIELD(AIRealBezier, p2, 16, 16);
QUILL_FIELD(AIRealBezier, p3, 24, 24);

QUILL_RECORD(AIRGBColor, 6, 2, 6, 2);
QUILL_FIELD(AIRGBColor, red, 0, 0);
QUILL_FIELD(AIRGBColor, green, 2, 2);
QUILL_FIELD(AIRGBColor, blue, 4, 4);

QUILL_RECORD(SPMessageData, 16, 4, 32, 8);
QUILL_FIELD(SPMessageData, SPCheck, 0, 0);
QUILL_FIELD(SPMessageData, self, 4, 8);
QUILL_FIELD(SPMessageData, globals, 8, 16);
QUILL_FIELD(SPMessageData, basic, 12, 24);

QUILL_RECORD(AINotifierMessage, 28, 4, 56, 8);
QUILL_FIELD(AINotifierMessage, d, 0, 0);
QUILL_FIELD(AINotifierMessage, notifier, 16, 32);
QUILL_FIELD(AINotifierMessage, type, 20, 40);
QUILL_FIELD(AINotifierMessage, notifyData, 24, 48);

QUILL_RECORD(AIMenuMessage, 20, 4, 40, 8);
QUILL_FIELD(AIMenuMessage, d, 0, 0);
QUILL_FIELD(AIMenuMessage, menuItem, 16, 32);

QUILL_RECORD(AIToolMessage, 32, 4, 56, 8);
QUILL_FIELD(AIToolMessage, d, 0, 0);
QUILL_FIELD(AIToolMessage, tool, 16, 32);
QUILL_FIELD(AIToolMessage, cursor, 20, 40);
QUILL_FIELD(AIToolMessage, pressure, 28, 48);

QUILL_RECORD(AIAnnotatorMessage, 44, 4, 72, 8);
QUILL_FIELD(AIAnnotatorMessage, d, 0, 0);
QUILL_FIELD(AIAnnotatorMessage, annotator, 16, 32);
QUILL_FIELD(AIAnnotatorMessage, view, 20, 40);
QUILL_FIELD(AIAnnotatorMessage, drawer, 24, 48);
QUILL_FIELD(AIAnnotatorMessage, invalidationRect, 28, 56);

QUILL_RECORD(AIColor, 20, 4, 24, 8);
QUILL_FIELD(AIColor, kind, 0, 0);
QUILL_FIELD(AIColor, c, 4, 8);
QUILL_FIELD(AIColor, c.g.gray, 4, 8);
QUILL_FIELD(AIColor, c.f.black, 16, 20);
QUILL_FIELD(AIColor, c.rgb.blue, 12, 16);
QUILL_FIELD(AIColor, c.c.color, 4, 8);
QUILL_FIELD(AIColor, c.c.tint, 8, 16);

QUILL_RECORD(AIDashStyle, 32, 4, 32, 4);
QUILL_FIELD(AIDashStyle, length, 0, 0);
QUILL_FIELD(AIDashStyle, offset, 4, 4);
QUILL_FIELD(AIDashStyle, array, 8, 8);

QUILL_RECORD(AIFillStyle, 24, 4, 32, 8);
QUILL_FIELD(AIFillStyle, color, 0, 0);
QUILL_FIELD(AIFillStyle, overprint, 20, 24);

QUILL_RECORD(AIStrokeStyle, 72, 4, 80, 8);
QUILL_FIELD(AIStrokeStyle, color, 0, 0);
QUILL_FIELD(AIStrokeStyle, overprint, 20, 24);
QUILL_FIELD(AIStrokeStyle, width, 24, 28);
QUILL_FIELD(AIStrokeStyle, dash, 28, 32);
QUILL_FIELD(AIStrokeStyle, cap, 60, 64);
QUILL_FIELD(AIStrokeStyle, join, 64, 68);
QUILL_FIELD(AIStrokeStyle, miterLimit, 68, 72);

QUILL_RECORD(AIPathStyle, 108, 4, 128, 8);
QUILL_FIELD(AIPathStyle, fillPaint, 0, 0);
QUILL_FIELD(AIPathStyle, strokePaint, 1, 1);
QUILL_FIELD(AIPathStyle, fill, 4, 8);
QUILL_FIELD(AIPathStyle, stroke, 28, 40);
QUILL_FIELD(AIPathStyle, clip, 100, 120);
QUILL_FIELD(AIPathStyle, lockClip, 101, 121);
QUILL_FIELD(AIPathStyle, evenodd, 102, 122);
QUILL_FIELD(AIPathStyle, resolution, 104, 124);

QUILL_RECORD(AICustomColor, 24, 4, 24, 4);
QUILL_FIELD(AICustomColor, kind, 0, 0);
QUILL_FIELD(AICustomColor, c, 4, 4);
QUILL_FIELD(AICustomColor, spot, 20, 20);

QUILL_RECORD(AIToolHitData, 32, 4, 48, 8);
QUILL_FIELD(AIToolHitData, hit, 0, 0);
QUILL_FIELD(AIToolHitData, art, 4, 8);
QUILL_FIELD(AIToolHitData, group, 8, 16);
QUILL_FIELD(AIToolHitData, type, 12, 24);
QUILL_FIELD(AIToolHitData, segment, 16, 28);
QUILL_FIELD(AIToolHitData, t, 20, 32);
QUILL_FIELD(AIToolHitData, point, 24, 36);

QUILL_RECORD(AIMatchingArtRule, 12, 4, 12, 4);
QUILL_FIELD(AIMatchingArtRule, type, 0, 0);
QUILL_FIELD(AIMatchingArtRule, whichAttr, 4, 4);
QUILL_FIELD(AIMatchingArtRule, attr, 8, 8);

QUILL_RECORD(AIAddToolData, 20, 4, 40, 8);
QUILL_FIELD(AIAddToolData, title, 0, 0);
QUILL_FIELD(AIAddToolData, tooltip, 4, 8);
QUILL_FIELD(AIAddToolData, helpID, 8, 16);
QUILL_FIELD(AIAddToolData, normalIconResource, 12, 24);
QUILL_FIELD(AIAddToolData, sameGroupAs, 16, 32);
QUILL_FIELD(AIAddToolData, sameToolsAs, 18, 34);
