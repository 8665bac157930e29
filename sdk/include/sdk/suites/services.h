/* Geometric services of the host: hit testing, snapping, matching art, art sets,
 * transforms, outlines, real-number math and Béziers. */
#ifndef SDK_SUITES_SERVICES_H
#define SDK_SUITES_SERVICES_H

#include "sdk/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Hit requests, as bits; 0 asks for everything (points, then segments, then fills). */
#define kAllHitRequest 0
#define kPointHitRequest 1 /* anchor points and snapped points (object centres) */
#define kSegmentHitRequest 2
#define kFillHitRequest 4

/* Hit types. */
#define kNoHitType 0
#define kAnchorPointType 1
#define kInPointType 2
#define kOutPointType 3
#define kSegmentType 4
#define kFillType 5
#define kCenterPointType 6
#define kTextType 7

/* The whole record of a hit. `segment` is the index of the segment's end anchor for a
 * segment hit (0 for the closing segment of a closed path), the anchor for a point hit;
 * `t` the curve parameter of the hit on that segment. */
typedef struct AIToolHitData {
    AIBoolean hit;
    AIArtHandle art;
    AIArtHandle group;
    int32_t type;
    int16_t segment;
    AIReal t;
    AIRealPoint point;
} AIToolHitData;

#define kAIHitTestSuite "AI Hit Test Suite"
#define kAIHitTestSuiteVersion 4
typedef struct AIHitTestSuite {
    /* Tests the art (NULL: the whole document) at `point` within `tolerance` points.
     * Locked and hidden art, and art on locked or hidden layers, are never hit. */
    ASErr(AIAPI* HitTestEx)(AIArtHandle art, const AIRealPoint* point, AIReal tolerance,
                            int32_t option, AIHitRef* hit);
    ASErr(AIAPI* GetHitData)(AIHitRef hit, AIToolHitData* data);
    ASErr(AIAPI* Release)(AIHitRef hit);
    /* The segments of every path whose bounds (control points included) come within
     * `radius` of `point` on both axes, whatever the art's attributes: arts[i] with
     * segments[i], the segment's start anchor (n-1: the closing segment of a closed path),
     * in paint order (bottom layer first, back to front), a path's segments in increasing
     * order. At most `capacity` pairs are written; `*count` receives how many there are.
     * Segments outside that answer cannot come within `radius` of the point. */
    ASErr(AIAPI* FindSegmentsNear)(const AIRealPoint* point, AIReal radius, AIArtHandle* arts,
                                   int16_t* segments, int32_t capacity, int32_t* count);
} AIHitTestSuite;

#define kAICursorSnapSuite "AI Cursor Snap Suite"
#define kAICursorSnapSuiteVersion 3
typedef struct AICursorSnapSuite {
    /* Snaps `source` following the control string ("A i o": crossings of segments of
     * different paths, within 8 points); `snapped` is `source` when nothing is near. */
    ASErr(AIAPI* Track)(AIDocumentViewHandle view, AIRealPoint source, const char* control,
                        AIRealPoint* snapped);
} AICursorSnapSuite;

typedef struct AIMatchingArtRule {
    int16_t type;
    int32_t whichAttr;
    int32_t attr;
} AIMatchingArtRule;

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 5
typedef struct AIMatchingArtSuite {
    /* Every art of the document matching one of the rules (its type, and its user
     * attributes masked by whichAttr equal to attr), in paint order: bottom layer first,
     * back to front, a group before its children.
     * `*matches` is a memory handle: free it with the MdMemory suite. With no match it is
     * NULL and nothing is to be freed. */
    ASErr(AIAPI* GetMatchingArt)(const AIMatchingArtRule* rules, int16_t numRules,
                                 AIArtHandle*** matches, int32_t* numMatches);
    ASErr(AIAPI* DeselectAll)(void);
} AIMatchingArtSuite;

#define kAIArtSetSuite "AI Art Set Suite"
#define kAIArtSetSuiteVersion 6
typedef struct AIArtSetSuite {
    ASErr(AIAPI* NewArtSet)(AIArtSet* artSet);
    ASErr(AIAPI* DisposeArtSet)(AIArtSet* artSet);
    ASErr(AIAPI* CountArtSet)(AIArtSet artSet, size_t* count);
    ASErr(AIAPI* IndexArtSet)(AIArtSet artSet, size_t index, AIArtHandle* art);
    ASErr(AIAPI* AddArtToArtSet)(AIArtSet artSet, AIArtHandle art);
    ASErr(AIAPI* RemoveArtFromArtSet)(AIArtSet artSet, AIArtHandle art);
    ASErr(AIAPI* MatchingArtSet)(const AIMatchingArtRule* rules, int16_t numRules, AIArtSet artSet);
} AIArtSetSuite;

#define kTransformObjects 1
#define kScaleLines 2
#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1
typedef struct AITransformArtSuite {
    /* Applies the matrix to the art (and, for groups, to every child). With
     * kScaleLines the stroke widths are multiplied by `lineScale`. */
    ASErr(AIAPI* TransformArt)(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale,
                               int32_t flags);
} AITransformArtSuite;

#define kAIArtConverterSuite "AI Art Converter Suite"
#define kAIArtConverterSuiteVersion 1
typedef struct AIArtConverterSuite {
    /* Replaces the path by the outline of its stroke (width, caps, joins): one closed
     * path, or several where the outline of a tight bend folds over itself. The new
     * paths take the path's place in the stacking order; the path is disposed. */
    ASErr(AIAPI* OutlineStroke)(AIArtHandle path);
} AIArtConverterSuite;

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1
typedef struct AIRealMathSuite {
    /* Whether the two points are within `tolerance` of each other in both axes. */
    ASErr(AIAPI* AIRealPointClose)(const AIRealPoint* a, const AIRealPoint* b, AIReal tolerance,
                                   AIBoolean* close);
    /* Whether the two rectangles share any point. */
    ASErr(AIAPI* AIRealRectOverlap)(const AIRealRect* a, const AIRealRect* b, AIBoolean* overlap);
    /* Whether `inner` lies wholly inside `outer`. */
    ASErr(AIAPI* AIRealRectInAIRealRect)(const AIRealRect* outer, const AIRealRect* inner,
                                         AIBoolean* inside);
    ASErr(AIAPI* RadianToDegree)(AIReal radians, AIReal* degrees);
    ASErr(AIAPI* DegreeToRadian)(AIReal degrees, AIReal* radians);
} AIRealMathSuite;

#define kAIRealBezierSuite "AI Real Bezier Suite"
#define kAIRealBezierSuiteVersion 2
typedef struct AIRealBezierSuite {
    ASErr(AIAPI* Evaluate)(const AIRealBezier* bezier, AIReal t, AIRealPoint* point);
    /* The derivative vector at t; where it vanishes (a retracted control point at an end),
     * a vector along the curve's direction of travel there. */
    ASErr(AIAPI* Tangent)(const AIRealBezier* bezier, AIReal t, AIRealVector* tangent);
    /* Arc length within `flatness` points. */
    ASErr(AIAPI* Length)(const AIRealBezier* bezier, AIReal flatness, AIReal* length);
    /* The parameter where the arc length from t = 0 reaches `length`; `bezierLength` is
     * the whole curve's length as the caller measured it. */
    ASErr(AIAPI* TAtLength)(const AIRealBezier* bezier, AIReal length, AIReal bezierLength,
                            AIReal flatness, AIReal* t);
    /* Splits at t into the part before and the part after. */
    ASErr(AIAPI* Divide)(const AIRealBezier* bezier, AIReal t, AIRealBezier* first,
                         AIRealBezier* second);
} AIRealBezierSuite;

#ifdef __cplusplus
}
#endif

#endif
