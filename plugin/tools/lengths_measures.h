// What the Lengths & Areas tool has collected and measured, for its clicks and for the
// cursor feedback: the set of collected paths, the partial-length pick, the corner of the
// selection rectangle and the results as the tool writes them. Part of the plug-in
// object's state record, used only on the host's thread; the tool alone writes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugin/dimensions/lengths_texts.h"
#include "plugin/geometry/selection_measures.h"
#include "plugin/geometry/types.h"
#include "sdk/sdk.h"

namespace quill {

/// The first anchor of a partial length. How many anchors were picked is the tool's
/// click count (`Tools().clickCount`): 0 before the first, 1 after it, 2 from the second
/// to the mouse-up.
struct PartialLengthPick {
    AIArtHandle path = nullptr;
    std::int16_t anchor = 0;  // 0 on a closed path, renumbered from the picked anchor
};

struct LengthsMeasures {
    /// `MeasureSet`: the collected paths in collection order, each shown fully selected.
    /// Made on first use, and anew after the results are written; null before.
    AIArtSet set = nullptr;
    PartialLengthPick pick;
    /// The press that may start a selection rectangle (document points): a press on
    /// empty canvas starts one (the drag that follows is the rubber band); a press that
    /// toggles a path sets it too, but no rubber band follows it.
    Point corner;
    /// The results as written into the document, without their prefixes (Windows-1252):
    /// the total length with its unit, the partial length (empty until two anchors of one
    /// path were picked, emptied when the results are written), the area, the numbers of
    /// paths and of points.
    LengthsResults results;
    /// The measures of the set as read when the set or one of its paths last changed,
    /// with the set's size then: while both stay as they are, the results are written
    /// from these alone.
    struct Kept {
        SelectionMeasures measures;
        std::size_t members = 0;
    };
    std::optional<Kept> kept;
};

/// The set or one of its paths changed, or may have (the document changed under the
/// tool): the next measures read every collected path again.
void ForgetMeasures(LengthsMeasures& measures);

// A path the rubber band walks: its bounds, and how the last pass showed it.
struct BandPath {
    AIArtHandle art = nullptr;
    AIRealRect bounds{};
    bool bounded = false;    // the bounds could be read
    std::int8_t shown = -1;  // 1 selected, 0 not, -1 not yet set by this band
};

// The paths of the document as the band's first pass read them. The document does not
// change while the band is dragged, only the selection: every later pass of the same
// band tests the bounds read then, and changes the selection of the paths that crossed
// the band's edge.
struct RubberBand {
    bool walked = false;
    std::vector<BandPath> paths;
};

/// The rubber band's selection between `corner1` (the press) and `corner2` (the pointer),
/// document points, either way round: the set is emptied, then every path of the document
/// that does not carry "orl" whose bounds lie inside the rectangle (the host's rectangle
/// test "AIRealRectInAIRealRect", edges included) is selected and collected in paint
/// order, any other deselected; every path walked loses its "spa". Draws nothing. The
/// paths and their bounds are read at the first call with a new band (the document does
/// not change while a band is dragged); later calls change the selection
/// of the paths whose side of the edge changed. The code of the first failing host call,
/// the walk going on past it.
AIErr CollectInRectangle(RubberBand& band, LengthsMeasures& measures, Point corner1, Point corner2);

/// Measures the collected paths into their `results` (the partial length is left
/// alone), from the measures kept of them while nothing forgot them: a member that is dimension art
/// ("orl") is deselected and not counted. Lengths in the main unit at the drawing scale with
/// "Precision" and the unit always written, the area in that unit squared, the counts without
/// decimals. The host's code.
AIErr ComputeMeasures(LengthsMeasures& collected);

/// A length in points as the tool writes it (Windows-1252): the unit of "UnitePrefs" at
/// the drawing scale, "Precision", the unit always written (inches as " po", fractional
/// inches as fractions); empty with no unit.
std::string LengthReadout(float points);

/// The length of the path as the tool adds it up: open, from its first anchor to its
/// last; closed, its whole perimeter. 0 when the path cannot be read.
float PathLength(AIArtHandle path);

/// The length along the path from anchor `from` to anchor `to` (forwards through the
/// closing segment on a closed path; the whole perimeter when they are equal). 0 when
/// the path cannot be read or an index is out of range.
float PartialPathLength(AIArtHandle path, int from, int to);

/// Whether any path is collected.
bool HasMeasuredPaths(const LengthsMeasures& measures);

/// The collected paths in collection order (the set is made when missing). The host's
/// code; the paths read until a failure.
AIErr MeasuredPaths(LengthsMeasures& measures, std::vector<AIArtHandle>* paths);

/// Disposes of the set and makes a new empty one. The host's code.
AIErr RenewMeasureSet(LengthsMeasures& measures);

/// Shows the art fully selected, or not selected at all.
AIErr SelectArt(AIArtHandle art, bool selected);

/// Whether the art is shown fully selected.
bool FullySelected(AIArtHandle art);

}  // namespace quill
