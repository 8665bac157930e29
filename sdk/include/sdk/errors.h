/* Error codes returned by suite functions and plug-in entry points.
 * 0 is success; most failures are four-character codes. */
#ifndef SDK_ERRORS_H
#define SDK_ERRORS_H

#include "sdk/types.h"

#define kNoErr 0
#define kCantHappenErr AI_FOURCC('C', 'A', 'N', 'T')
#define kOutOfMemoryErr AI_FOURCC('!', 'M', 'E', 'M')
#define kUnhandledMsgErr AI_FOURCC('!', 'M', 'S', 'G')
#define kBadParameterErr AI_FOURCC('P', 'A', 'R', 'M')
#define kBadSelectorErr AI_FOURCC('!', 'S', 'E', 'L')
#define kSuiteNotFoundErr AI_FOURCC('S', '!', 'F', 'd')
#define kSuiteNotAcquiredErr AI_FOURCC('!', 'A', 'c', 'q')
#define kPluginNotFoundErr AI_FOURCC('P', '!', 'F', 'd')
#define kPurgeFalseErr AI_FOURCC('p', 'F', 'l', 's')
/* The handle names no live object (disposed art, a layer of another document, ...). */
#define kStaleHandleErr AI_FOURCC('S', 'T', 'A', 'L')
/* A tag, preference or other named entry holds another kind than the one asked for. */
#define kWrongTypeErr AI_FOURCC('T', 'Y', 'P', 'E')
#define kNotFoundErr AI_FOURCC('N', 'F', 'N', 'D')
#define kLockedErr AI_FOURCC('L', 'C', 'K', 'D')
#define kOutOfRangeErr AI_FOURCC('R', 'N', 'G', 'E')
#define kBufferTooSmallErr AI_FOURCC('B', 'U', 'F', 'S')
/* The user cancelled a dialog. */
#define kCanceledErr AI_FOURCC('S', 'T', 'O', 'P')

#endif
