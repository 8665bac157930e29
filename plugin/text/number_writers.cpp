#include "plugin/text/number_writers.h"

#include <cmath>
#include <cstring>

#include "plugin/text/fixed_text.h"

namespace quill {
namespace {

using NumberBuilder = FixedText<kNumberTextCapacity>;

// Exact in single precision up to 10^7; one more entry than the largest precision
// because the half unit lies one decimal further.
constexpr float kTenPowers[] = {1.0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
constexpr float kTenthPowers[] = {1.0f, 1e-1f, 1e-2f, 1e-3f, 1e-4f, 1e-5f, 1e-6f, 1e-7f};

constexpr int kMaxIntegerDigits = 40;  // the largest float has 39

float RoundHalfAwayFromZero(float x) {
    return x > 0.0f ? std::floor(x + 0.5f) : std::ceil(x - 0.5f);
}

char ThousandsCharacter(std::int32_t code) {
    switch (code) {
        case kThousandsComma:
            return ',';
        case kThousandsSpace:
            return ' ';
        case kThousandsApostrophe:
            return '\'';
        default:
            return '\0';
    }
}

int ClampPrecision(int precision) {
    if (precision < 0) return 0;
    return precision > kMaxPrecision ? kMaxPrecision : precision;
}

// A magnitude rounded to a number of decimals: its integer part, and the fraction still
// to write with half a unit of the first digit not written added, so that the digits come
// out right despite single precision.
struct RoundedMagnitude {
    float integerPart = 0;
    float fraction = 0;
    int decimalsCarried = 0;  // fewer than asked when the magnitude is too large for them
};

RoundedMagnitude RoundMagnitude(float magnitude, int precision) {
    // A magnitude so large that scaling overflows has no decimals left in single
    // precision: fewer of them are carried, the rest are written as zeros.
    while (precision > 0 && !std::isfinite(magnitude * kTenPowers[precision])) --precision;
    const float rounded =
        RoundHalfAwayFromZero(magnitude * kTenPowers[precision]) * kTenthPowers[precision];
    RoundedMagnitude result;
    result.integerPart = std::floor(rounded);
    result.fraction = rounded - result.integerPart + 5.0f * kTenthPowers[precision + 1];
    result.decimalsCarried = precision;
    return result;
}

// Digits from the right: divide by ten, keep the floor, the remainder makes the digit.
void AppendIntegerPart(float integerPart, std::int32_t thousandsCode, NumberBuilder& text) {
    if (!(integerPart > 0.0f)) {
        text.Append('0');
        return;
    }
    int digitCount = static_cast<int>(std::floor(std::log10(static_cast<double>(integerPart)))) + 1;
    if (digitCount > kMaxIntegerDigits) digitCount = kMaxIntegerDigits;
    if (digitCount < 1) digitCount = 1;
    char digits[kMaxIntegerDigits];
    float rest = integerPart;
    for (int i = digitCount - 1; i >= 0; --i) {
        const float quotient = rest / 10.0f;
        rest = std::floor(quotient);
        long digit = std::lround((quotient - rest) * 10.0f);
        if (digit < 0) digit = 0;
        if (digit > 9) digit = 9;
        digits[i] = static_cast<char>('0' + digit);
    }
    const char separator = ThousandsCharacter(thousandsCode);
    for (int i = 0; i < digitCount; ++i) {
        if (separator && i > 0 && (digitCount - i) % 3 == 0) text.Append(separator);
        text.Append(digits[i]);
    }
}

// Multiplies the fraction by ten for each digit and writes its floor.
void AppendDecimals(const RoundedMagnitude& magnitude, int decimals, NumberBuilder& text) {
    float fraction = magnitude.fraction;
    for (int i = 0; i < decimals; ++i) {
        if (i >= magnitude.decimalsCarried) {
            text.Append('0');
            continue;
        }
        fraction *= 10.0f;
        const float digit = std::floor(fraction);
        fraction -= digit;
        const int clamped = digit < 0.0f ? 0 : (digit > 9.0f ? 9 : static_cast<int>(digit));
        text.Append(static_cast<char>('0' + clamped));
    }
}

// Drops at most `limit` trailing zeros, then the separator if it is left last.
int DropTrailingZeros(char* text, int length, int limit, int separatorEnd) {
    while (limit > 0 && length > separatorEnd && text[length - 1] == '0') {
        --length;
        --limit;
    }
    if (length == separatorEnd) --length;
    text[length] = '\0';
    return length;
}

std::int8_t CopyOut(const NumberBuilder& text, NumberText& out) {
    std::memcpy(out, text.c_str(), static_cast<size_t>(text.length()) + 1);
    return static_cast<std::int8_t>(text.length());
}

}  // namespace

std::int8_t WriteDecimal(float value, std::int8_t precision, const NumberSeparators& separators,
                         NumberText& out) {
    if (!std::isfinite(value)) value = 0.0f;
    const bool negative = value < 0.0f;
    const int decimals = ClampPrecision(precision);
    const RoundedMagnitude magnitude = RoundMagnitude(std::fabs(value), decimals);

    NumberBuilder text;
    if (negative) text.Append('-');
    AppendIntegerPart(magnitude.integerPart, separators.thousands, text);
    if (decimals > 0) {
        text.Append(separators.decimal);
        const int separatorEnd = text.length();
        AppendDecimals(magnitude, decimals, text);
        std::int8_t length = CopyOut(text, out);
        return static_cast<std::int8_t>(DropTrailingZeros(out, length, decimals, separatorEnd));
    }
    return CopyOut(text, out);
}

std::int8_t WriteTolerance(float value, const NumberSeparators& separators, NumberText& out) {
    if (!std::isfinite(value)) value = 0.0f;
    const RoundedMagnitude magnitude = RoundMagnitude(std::fabs(value), kTolerancePrecision);
    NumberBuilder text;
    AppendIntegerPart(magnitude.integerPart, separators.thousands, text);
    text.Append(separators.decimal);
    const int separatorEnd = text.length();
    AppendDecimals(magnitude, kTolerancePrecision, text);
    const std::int8_t written = CopyOut(text, out);
    DropTrailingZeros(out, written, kTolerancePrecision, separatorEnd);
    return written;
}

}  // namespace quill
