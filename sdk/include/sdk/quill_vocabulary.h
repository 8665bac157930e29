/* The names Quill shares across the boundary, declared once: the tags its dimensions
   and the paths they measure carry in a drawing (a saved SVG keeps them, so drawings
   depend on these exact names and values), the hit tolerances of its tools, and the ids
   of its cursor resources. The plug-in, the update program and the tests include this
   header. C++ only: the host's C interface does not name them. */
#ifndef QUILL_SDK_QUILL_VOCABULARY_H
#define QUILL_SDK_QUILL_VOCABULARY_H

#ifdef __cplusplus

#include <cstdint>

namespace quill::vocabulary {

namespace tags {

/// Room for the value of a tag the plug-in reads, with its terminating zero.
constexpr int kValueCapacity = 64;

/// Type of every tag the plug-in writes.
constexpr char kStringType[] = "string";
/// Value of every marker tag.
constexpr char kMarkerValue[] = "jj";

// Markers.
constexpr char kPiece[] = "orl";           // every piece of every dimension
constexpr char kSegmentMarker[] = "mods";  // the line pieces of a segment dimension
constexpr char kAngleMarker[] = "moda";    // the link piece of an angle dimension
constexpr char kCircleMarker[] = "modc";   // the line pieces of a circle dimension
constexpr char kMainLine[] = "red";        // the main line of an associative dimension
constexpr char kOutOfMeasure[] = "spa";    // a path taken out of the lengths and areas set
constexpr char kPreExisting[] = "xxx";     // temporary: paths that existed before an outline

// Links: the value is the identifier shared by a measured path and its dimensions.
constexpr char kFirstPointLink[] = "segpt1";
constexpr char kSecondPointLink[] = "segpt2";
constexpr char kSegmentLink[] = "surseg";
constexpr char kAngleLink[] = "ang";
constexpr char kCircleLink[] = "cer";

// Anchor indices on the dimension's pieces.
constexpr char kIndex1[] = "num1";
constexpr char kIndex2[] = "num2";
constexpr char kIndex3[] = "num3";

// A set of segment dimensions made one after the other (chain, baseline, ordinates), on
// the line pieces of each member: the set's identifier, and where the member's line
// stands ("h 112" a horizontal line at y 112, "v 40" a vertical one at x 40, "o -12" an
// oblique one 12 to the right of its points, "x 130" / "y 60" the common line of
// ordinates along x or y).
constexpr char kSetName[] = "serie";
constexpr char kSetLine[] = "serieligne";

}  // namespace tags

/// Tolerances of the hit tests, in points: a click, the pointer passing over art, and the
/// second path of a crossing.
constexpr float kClickTolerance = 8.0f;
constexpr float kHoverTolerance = 4.0f;
constexpr float kSecondPathTolerance = 2.0f;

/// The cursor resources the tools show, by what the next click will do.
namespace cursors {

constexpr std::int32_t kNothing = 21000;
constexpr std::int32_t kAnchor = 21001;  // an anchor point, or a remembered segment end
constexpr std::int32_t kStraightSegment = 21002;
constexpr std::int32_t kDimension = 21003;  // an existing dimension
constexpr std::int32_t kCurve = 21004;
constexpr std::int32_t kArc = 21005;
constexpr std::int32_t kCrossing = 21006;
constexpr std::int32_t kSnappedPoint = 21008;
constexpr std::int32_t kNextTool = 21009;        // Shift: the click switches to the next tool
constexpr std::int32_t kParametersTool = 21010;  // Alt: the click switches to the parameters

}  // namespace cursors

}  // namespace quill::vocabulary

#endif

#endif
