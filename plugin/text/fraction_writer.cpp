#include "plugin/text/fraction_writer.h"

#include <cmath>
#include <cstring>

#include "plugin/text/fixed_text.h"

namespace quill {
namespace {

constexpr float kInchesPerFoot = 12.0f;

float RoundHalfAwayFromZero(float x) {
    return x > 0.0f ? std::floor(x + 0.5f) : std::ceil(x - 0.5f);
}

bool IsWrittenDenominator(int denominator) {
    return denominator == 2 || denominator == 4 || denominator == 8 || denominator == 16 ||
           denominator == 32;
}

void AppendWhole(float value, const NumberSeparators& separators,
                 FixedText<kNumberTextCapacity>& text) {
    NumberText number;
    WriteDecimal(value, 0, separators, number);
    text.Append(number);
}

}  // namespace

std::int8_t WriteFraction(float inches, std::int16_t largestDenominator,
                          const NumberSeparators& separators, bool feetAndInches,
                          const FractionMarks& marks, NumberText& out) {
    const float x = std::isfinite(inches) ? std::fabs(inches) : 0.0f;
    const int largest = largestDenominator > 0 ? largestDenominator : 1;

    float whole = std::floor(x);
    int numerator = static_cast<int>(RoundHalfAwayFromZero(largest * (x - whole)));
    int denominator = largest;
    while (denominator > 1 && numerator % 2 == 0 && denominator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    // No fraction left (none, or a whole inch): the whole number takes the rounding.
    if (denominator == 1) whole = RoundHalfAwayFromZero(x);

    FixedText<kNumberTextCapacity> text;
    if (feetAndInches) {
        const float feet = std::floor(whole / kInchesPerFoot);
        const float rest = whole - kInchesPerFoot * feet;
        if (feet > 0.0f) {
            AppendWhole(feet, separators, text);
            text.Append(marks.foot);
            AppendWhole(rest, separators, text);
        } else if (rest != 0.0f) {
            AppendWhole(rest, separators, text);
        }
    } else {
        AppendWhole(whole, separators, text);
    }
    text.Append(' ');
    if (IsWrittenDenominator(denominator)) {
        NumberText number;
        WriteDecimal(static_cast<float>(numerator), 0, separators, number);
        text.Append(number);
        text.Append('/');
        AppendWhole(static_cast<float>(denominator), separators, text);
    }
    if (marks.inch) text.Append(marks.inch);

    std::memcpy(out, text.c_str(), static_cast<size_t>(text.length()) + 1);
    return static_cast<std::int8_t>(text.length());
}

}  // namespace quill
