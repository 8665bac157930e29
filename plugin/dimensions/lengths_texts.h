// The texts the Lengths & Areas tool writes into the document at a click on empty
// canvas: one point text per result the settings show, in a column at the click.
#pragma once

#include <string>

#include "plugin/dimensions/build_outcome.h"
#include "plugin/geometry/types.h"
#include "plugin/settings/settings_record.h"
#include "sdk/types.h"

namespace quill {

/// The results, in the order they are written and shown.
enum LengthsResult : int {
    kTotalLength = 0,   // "LALongTotale"
    kPartialLength,     // "LALongPartie"
    kAreaResult,        // "LAAire"
    kPathCountResult,   // "LANbrTraces"
    kPointCountResult,  // "LANbrPoints"
    kLengthsResultCount
};

/// A result text holds at most this many characters, its terminator included.
constexpr int kResultCapacity = 100;

/// The results as measured and formatted (Windows-1252), without their prefixes:
/// indexed by `LengthsResult`.
struct LengthsResults {
    std::string text[kLengthsResultCount];
};

/// Whether the settings show the result.
bool ResultShown(const SettingsRecord& settings, LengthsResult result);

/// The prefix written before the result ("L (sélection) = " …), Windows-1252.
const char* ResultPrefix(LengthsResult result);

/// The result's line: its prefix followed by its text.
std::string ResultLine(const LengthsResults& results, LengthsResult result);

/// The point texts of one writing; null handles for the results not shown.
struct ResultTexts {
    AIArtHandle text[kLengthsResultCount] = {};
    bool ready = false;  // every text shown was made
};

/// One point text per result shown, each made on top inside the current dimension group
/// in the order of the results. Nothing when the group is gone; `ready` when every
/// creation succeeded. The code of the last creation.
AIErr CreateResultTexts(ResultTexts& texts);

/// Gives each text the features of the labels (left-justified) and its line. Nothing
/// unless the texts are ready.
AIErr FillResultTexts(const ResultTexts& texts, const LengthsResults& results);

/// Stacks the texts at `at` (document points), the k-th one's anchor 1.2 × "Corps"
/// (truncated to whole points) times k below the first, each turned by `rotation`
/// (radians) about its anchor. The partial length's text is disposed when its result
/// is empty, and takes no line.
BuildResult PlaceResultTexts(ResultTexts& texts, const LengthsResults& results, Point at,
                             float rotation);

/// The texts could not be made: the group made for them goes. The dispose's code.
BuildResult AbandonResultTexts();

}  // namespace quill
