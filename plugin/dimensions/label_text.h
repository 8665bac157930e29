// The label of a dimension and its two tolerance texts: point texts with the
// character features of the settings. With centred justification and the baseline
// shift, a label's anchor is the middle of its text.
#pragma once

#include "plugin/geometry/types.h"
#include "plugin/settings/settings_record.h"
#include "sdk/types.h"

namespace quill {

/// How a label's lines stand about its anchor: centred on it, starting at it (left) or
/// ending at it (right).
enum class LabelJustification { Centred, Left, Right };

/// Gives the whole text the features of the labels: the text colour, tracking 0, the
/// font "Police", the fill overprint "OverprintFill", no indents; `size` and
/// `baselineShift` in points. Raises ai::Error when the text engine fails.
void ApplyLabelFeatures(AIArtHandle text, double size, double baselineShift,
                        LabelJustification justification);

/// Creates the slot's label when missing and gives it the label features and the text
/// `content` (Windows-1252, "\r" between lines). With "UnitePrefs" 10 the dimension has
/// no text: the label is disposed.
AIErr CreateLabelText(int slot, const char* content,
                      LabelJustification justification = LabelJustification::Centred);

/// Tolerance text 1 or 2 (`which` 0 or 1) made anew beside the slot's label, placed as
/// for a dimension of type `placedAs` (oblique: along the label; horizontal: to its
/// right; vertical: above it) of direction angle `direction`.
AIErr PlaceToleranceText(int which, int slot, SegmentDimensionType placedAs, float direction);

/// Places both tolerance texts that are switched on (the others are disposed).
AIErr PlaceToleranceTexts(int slot, SegmentDimensionType placedAs, float direction);

/// The label's size without its placement: its matrix undone, bounds read, placement
/// restored. Width and height in points; the host's code when its bounds cannot be read,
/// PARM when the label is missing.
AIErr MeasureLabel(AIArtHandle label, float* width, float* height);

/// Moves and turns the label so that its anchor lands on `centre`, rotated by
/// `rotation`, whatever its previous placement.
AIErr PlaceLabel(AIArtHandle label, Point centre, float rotation);

}  // namespace quill
