// Rebuilding the dimensions of the open document through the started plug-in, each as a
// user would: its tool selected, a press on its line, a drag to where it stood, a release.
#pragma once

#include <string>
#include <vector>

#include "app/update/dimension_survey.h"
#include "host/core/host.h"

namespace quill::update {

enum class UpdateStatus { Rebuilt, NotRebuilt, NotAssociative };

/// The status's name in reports: "rebuilt", "not rebuilt", "not associative".
const char* StatusName(UpdateStatus status);

/// What the update did to one dimension.
struct DimensionOutcome {
    SurveyedDimension dimension;  // as it was
    UpdateStatus status = UpdateStatus::NotAssociative;
    std::string reason;    // why it was not rebuilt
    std::string newLabel;  // the rebuilt dimension's label; the old one when not rebuilt
};

/// Rebuilds every associative dimension of the host's document, bottom to top, through
/// the plug-in the host has started; the others stay as they are. The view is zoomed in
/// first, so that the drag's snapping to remembered points reaches no further than a
/// fraction of a point.
std::vector<DimensionOutcome> UpdateDimensions(host::Host& host);

}  // namespace quill::update
