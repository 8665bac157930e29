// A dimension's other pieces hidden for the time its line is pressed, as a user hides
// what covers a line before clicking it.
#pragma once

#include <utility>
#include <vector>

#include "host/document/document.h"

namespace quill::update {

/// While it lives, every piece of `line`'s group but `line` is hidden, so that neither
/// the label nor an arrowhead nor an extension line of a short dimension stands between
/// the pointer and its line: the plug-in's own classification then finds the line where
/// a user who hid them would click it. Pieces still there at the end are shown again as
/// they were; those of a rebuilt dimension went with it.
class CoveringPiecesHidden {
 public:
    CoveringPiecesHidden(host::Document& document, const host::Art& line);
    ~CoveringPiecesHidden();
    CoveringPiecesHidden(const CoveringPiecesHidden&) = delete;
    CoveringPiecesHidden& operator=(const CoveringPiecesHidden&) = delete;

 private:
    host::Document& document_;
    std::vector<std::pair<host::ObjectId, std::int32_t>> hidden_;  // piece, its attributes
};

}  // namespace quill::update
