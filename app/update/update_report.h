// What quill update tells: a line per dimension not rebuilt and per label that changed,
// a summary line, and the JSON report of every dimension.
#pragma once

#include <string>
#include <vector>

#include "app/update/dimension_update.h"

namespace quill::update {

/// Which dimension: its group's name, its place in the layer and where its label stands
/// (document points), e.g. "\"Segment oblique\" #2 at 175,112".
std::string DimensionPlace(const SurveyedDimension& dimension);

/// One line per dimension that was not rebuilt ("... : measured path missing") or whose
/// label changed ("... : 100 pt → 150 pt"), in the layer's order.
std::vector<std::string> OutcomeLines(const std::vector<DimensionOutcome>& outcomes);

/// "N dimensions: R rebuilt, F not rebuilt, A not associative".
std::string SummaryLine(const std::vector<DimensionOutcome>& outcomes);

/// Counts the outcomes of that status.
int CountOf(const std::vector<DimensionOutcome>& outcomes, UpdateStatus status);

/// The report as JSON text: the drawing, the summary and every dimension with its kind,
/// group name, place, old label, new label, status and reason.
std::string ReportJson(const std::string& drawing, const std::vector<DimensionOutcome>& outcomes);

}  // namespace quill::update
