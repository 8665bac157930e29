// The number writers and label composition run for every label while a tool tracks the
// mouse: they must not allocate. This program replaces the global allocation functions
// with counting ones.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "plugin/settings/label_styles.h"
#include "plugin/text/fraction_writer.h"
#include "plugin/text/number_writers.h"

namespace {
std::atomic<long> allocations{0};
}

// The replacements pair malloc with free; once inlined, the compiler sees the library's
// deletes reach free and takes them for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
#pragma GCC diagnostic pop

namespace quill {
namespace {

TEST(WriterAllocation, WritersAndLabelsAllocateNothing) {
    SettingsRecord settings;
    settings.unit = kMillimetres;
    settings.doubleMeasure = true;
    settings.secondUnit = kFeetAndFractionalInches;
    settings.tolerances[0].shown = true;
    settings.tolerances[1].shown = true;
    const MeasureMarks marks;
    NumberText number;
    LabelText label;

    const long before = allocations.load();
    WriteDecimal(-1234567.891f, 3, NumberSeparators{',', 1}, number);
    WriteTolerance(0.125f, NumberSeparators{'.', 2}, number);
    WriteFraction(63.25f, 32, NumberSeparators{}, true, FractionMarks{" \"", " \x92 "}, number);
    ComposeLengthLabel(1000.0, LabelStyleOf(settings), label);
    ComposeCircleLabel(36.0, true, LabelStyleOf(settings), CircleSignOf(settings), label);
    ComposeAngleLabel(1.0, true, MainMeasureFormat(settings), label);
    ComposeToleranceText(ToleranceStyleOf(settings, 0), label);
    WriteLengthReadout(72.0, MainMeasureFormat(settings), marks, label);
    AppendAreaMeasure(5184.0, MainMeasureFormat(settings), label);
    settings.RebuildToleranceTexts();
    const long after = allocations.load();

    EXPECT_EQ(after - before, 0);
    EXPECT_STREQ(label.c_str() + label.length() - 4, " mm2");
}

TEST(WriterAllocation, TheCounterSeesAllocations) {
    const long before = allocations.load();
    std::vector<int> values(100, 7);  // a library allocation, which cannot be elided
    EXPECT_EQ(values.size(), 100u);
    EXPECT_EQ(allocations.load() - before, 1);
}

}  // namespace
}  // namespace quill
