#include "plugin/tools/hover_lines.h"

#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/number_writers.h"
#include "plugin/tools/hover_texts.h"
#include "plugin/tools/lengths_measures.h"

namespace quill {

bool WritesNoMeasure(std::int32_t unit) {
    return unit >= kNoUnit;
}

std::string Joined(const char* prefix, const std::string& value) {
    return std::string(prefix) + value;
}

// The two numbers are written with every decimal they have (the writer drops trailing
// zeros).
void AddScaleLine(FeedbackLineList& lines) {
    const SettingsRecord& s = Settings();
    if (s.scaleNumerator / s.scaleDenominator == 1) return;
    const NumberSeparators separators = MainSeparators(s);
    NumberText numerator{}, denominator{};
    WriteDecimal(static_cast<float>(s.scaleNumerator), kMaxPrecision, separators, numerator);
    WriteDecimal(static_cast<float>(s.scaleDenominator), kMaxPrecision, separators, denominator);
    lines.push_back(std::string(texts::kScaleLine.c_str()) + numerator + texts::kScaleBar.c_str() +
                    denominator);
}

void AddCurveLines(FeedbackLineList& lines, const HoverState& hover) {
    lines.push_back(texts::kCurve.c_str());
    lines.push_back(LengthReadout(hover.pathLength));
}

}  // namespace quill
