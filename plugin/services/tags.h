// The string tags that mark dimension art and tie dimensions to the paths they
// measure. Documents saved with dimensions depend on these exact names and values.
#pragma once

namespace quill::tags {

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

}  // namespace quill::tags
