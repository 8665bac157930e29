// Composing a dimension's texts while a tool tracks the mouse: a label with two measures
// and both tolerance texts, per label.
#include <benchmark/benchmark.h>

#include "plugin/settings/label_styles.h"

namespace quill {
namespace {

SettingsRecord TwoMeasuresWithTolerances() {
    SettingsRecord settings;
    settings.unit = kMillimetres;
    settings.precision = 3;
    settings.doubleMeasure = true;
    settings.secondUnit = kFeetAndFractionalInches;
    settings.tolerances[0].shown = true;
    settings.tolerances[1].shown = true;
    return settings;
}

void LabelWithTwoMeasuresAndTolerances(benchmark::State& state) {
    const SettingsRecord settings = TwoMeasuresWithTolerances();
    LabelText label, tolerance1, tolerance2;
    double points = 1234.5678;
    for (auto _ : state) {
        ComposeLengthLabel(points, LabelStyleOf(settings), label);
        ComposeToleranceText(ToleranceStyleOf(settings, 0), tolerance1);
        ComposeToleranceText(ToleranceStyleOf(settings, 1), tolerance2);
        benchmark::DoNotOptimize(label.c_str());
        benchmark::DoNotOptimize(tolerance1.c_str());
        benchmark::DoNotOptimize(tolerance2.c_str());
        points += 0.25;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LabelWithTwoMeasuresAndTolerances);

void DecimalWriter(benchmark::State& state) {
    NumberText text;
    float value = 12345.678f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteDecimal(value, 3, NumberSeparators{',', 1}, text));
        value += 0.125f;
    }
}
BENCHMARK(DecimalWriter);

}  // namespace
}  // namespace quill
