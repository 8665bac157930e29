// The writers that every number the plug-in shows goes through: decimal numbers and
// tolerances. They share one rounding and grouping scheme, compute in single precision,
// write Windows-1252 text into a fixed buffer the caller owns and never allocate.
#pragma once

#include <cstdint>

namespace quill {

/// A number text holds at most 127 characters and its terminating zero; its length is
/// counted in a signed 8-bit integer.
constexpr int kNumberTextCapacity = 128;
using NumberText = char[kNumberTextCapacity];

/// Largest number of decimals; larger precisions are written as this one.
constexpr std::int8_t kMaxPrecision = 6;
/// Decimals of a tolerance text.
constexpr std::int8_t kTolerancePrecision = 4;

/// Codes of the thousands separator ("Separateur").
enum ThousandsSeparator : std::int32_t {
    kThousandsComma = 0,
    kThousandsSpace = 1,
    kThousandsApostrophe = 2,
    kThousandsNone = 3,  // any code outside 0..3 also groups nothing
};

/// How one measure separates its digits: the decimal separator ',' or '.', and the
/// thousands separator code.
struct NumberSeparators {
    char decimal = ',';
    std::int32_t thousands = kThousandsSpace;
};

/// Writes `value` rounded half away from zero to at most `precision` decimals (0..6;
/// trailing zeros and a bare separator are dropped), digits grouped by three, "-" in
/// front of a negative value, even one that rounds to zero. NaN and infinities are
/// written "0". Returns the number of characters written before the terminating zero.
std::int8_t WriteDecimal(float value, std::int8_t precision, const NumberSeparators& separators,
                         NumberText& out);

/// Writes a tolerance value (its magnitude: the sign is the label's) with four decimals
/// at most, trailing zeros dropped; a value with no decimals left is written without
/// its separator ("1"). Returns the number of characters written before the trailing
/// zeros were dropped.
std::int8_t WriteTolerance(float value, const NumberSeparators& separators, NumberText& out);

}  // namespace quill
