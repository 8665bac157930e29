#include "app/update/update_report.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace quill::update {

namespace {

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

}  // namespace

std::string DimensionPlace(const SurveyedDimension& d) {
    return "\"" + d.name + "\" #" + std::to_string(d.ordinal) + " at " + Number(d.position.h) +
           "," + Number(d.position.v);
}

std::vector<std::string> OutcomeLines(const std::vector<DimensionOutcome>& outcomes) {
    std::vector<std::string> lines;
    for (const DimensionOutcome& o : outcomes) {
        if (o.status == UpdateStatus::NotRebuilt)
            lines.push_back(DimensionPlace(o.dimension) + ": not rebuilt: " + o.reason);
        else if (o.status == UpdateStatus::Rebuilt && o.newLabel != o.dimension.label)
            lines.push_back(DimensionPlace(o.dimension) + ": " + o.dimension.label +
                            " \xE2\x86\x92 " + o.newLabel);
    }
    return lines;
}

int CountOf(const std::vector<DimensionOutcome>& outcomes, UpdateStatus status) {
    int n = 0;
    for (const DimensionOutcome& o : outcomes) n += o.status == status;
    return n;
}

std::string SummaryLine(const std::vector<DimensionOutcome>& outcomes) {
    return std::to_string(outcomes.size()) +
           " dimensions: " + std::to_string(CountOf(outcomes, UpdateStatus::Rebuilt)) +
           " rebuilt, " + std::to_string(CountOf(outcomes, UpdateStatus::NotRebuilt)) +
           " not rebuilt, " + std::to_string(CountOf(outcomes, UpdateStatus::NotAssociative)) +
           " not associative";
}

std::string ReportJson(const std::string& drawing, const std::vector<DimensionOutcome>& outcomes) {
    nlohmann::json dimensions = nlohmann::json::array();
    for (const DimensionOutcome& o : outcomes) {
        const SurveyedDimension& d = o.dimension;
        nlohmann::json entry = {{"group", d.name},
                                {"index", d.ordinal},
                                {"position", {d.position.h, d.position.v}},
                                {"kind", KindName(d.kind)},
                                {"oldLabel", d.label},
                                {"newLabel", o.newLabel},
                                {"status", StatusName(o.status)}};
        if (!o.reason.empty()) entry["reason"] = o.reason;
        dimensions.push_back(entry);
    }
    const nlohmann::json report = {
        {"drawing", drawing},
        {"summary",
         {{"dimensions", outcomes.size()},
          {"rebuilt", CountOf(outcomes, UpdateStatus::Rebuilt)},
          {"notRebuilt", CountOf(outcomes, UpdateStatus::NotRebuilt)},
          {"notAssociative", CountOf(outcomes, UpdateStatus::NotAssociative)}}},
        {"dimensions", dimensions}};
    return report.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace quill::update
