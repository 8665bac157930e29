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

/// Rebuilds every associative dimension of the host's document through the plug-in the
/// host has started from `plugin`, each in its place in the layer's order; the others
/// stay as they are. Dimensions whose pieces show settings the store has not (their
/// segment type, dashes...) are rebuilt after the plug-in is started again with those;
/// the store (which should be kept in no file) holds its own settings again at the end. The view is
/// zoomed in first, so that the drag's snapping to remembered points reaches no further than a
/// fraction of a point. The outcomes are in the layer's order, bottom to top.
std::vector<DimensionOutcome> UpdateDimensions(host::Host& host, const std::string& plugin);

}  // namespace quill::update
