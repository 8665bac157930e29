// A drawing opened, dimensioned and saved by the quill program through session scripts,
// as a person would, and what its dump says about the page and the dimension made.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "roundtrip/drawing_files.h"
#include "roundtrip/external_program.h"
#include "roundtrip/picture_diff.h"

namespace quill::roundtrip {

struct QuillSession {
    ProgramRun run;
    nlohmann::json dump;  // null when none was written
    /// One line saying why the session failed, or "".
    std::string Failure() const;
};

/// Runs `script` with the quill program under test; the script, the dump and the output
/// are kept in `folder` as <stem>.qs, <stem>.json and <stem>.log.
QuillSession RunQuill(const std::string& folder, const std::string& stem,
                      const std::string& script);

/// The script line that names a file (quoted).
std::string Quoted(const std::string& path);

/// Two anchors of one path, in document points.
struct AnchorPair {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

/// Two anchors on the page of a visible, unlocked path, about a third of the page's width
/// apart; without such a path, two free points across the middle of the page.
AnchorPair ChooseAnchors(const nlohmann::json& dump);

/// Whether the layer "Dimensions" holds anything.
bool HasDimension(const nlohmann::json& dump);

/// Opens the drawing and saves it as `saved`, the way `doc save` writes.
QuillSession OpenAndSave(const DrawingFile& drawing, const std::string& folder,
                         const std::string& saved);

/// Opens the drawing, saves it as `plain`, clicks two anchors chosen by ChooseAnchors with
/// the Segment tool, and saves it as `saved`: the pictures of the two differ by the
/// dimension alone. The dimension's text, arrowheads, lines and distance are scaled
/// down on a page narrower than a letter, so that it does not hide a whole icon. Returns
/// "" or why no dimensioned drawing was saved.
std::string OpenDimensionAndSave(const DrawingFile& drawing, const std::string& folder,
                                 const std::string& plain, const std::string& saved);

}  // namespace quill::roundtrip
