// Inches written as a whole number and a fraction (3 1/2"), or as feet and inches.
#pragma once

#include <cstdint>

#include "plugin/text/number_writers.h"

namespace quill {

/// How a fraction measure is marked: the inch mark written after it (nullptr when the
/// unit is not shown) and the mark between feet and inches.
struct FractionMarks {
    const char* inch = nullptr;
    const char* foot = "";
};

/// Writes `inches` (negative values and NaN are written as their magnitude, or 0) as a
/// whole number, a space and a fraction reduced from `largestDenominator` (a power of two
/// up to 32; a fraction that reduces to nothing is dropped and the whole number rounded),
/// split into feet and inches when `feetAndInches` is set, then the inch mark. Whole
/// numbers are grouped by the thousands separator. Returns the number of characters.
std::int8_t WriteFraction(float inches, std::int16_t largestDenominator,
                          const NumberSeparators& separators, bool feetAndInches,
                          const FractionMarks& marks, NumberText& out);

}  // namespace quill
