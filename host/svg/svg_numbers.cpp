#include "host/svg/svg_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace host::svg {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// For a number too far out of range to convert: whether it lies towards zero.
bool IsBelowOne(std::string_view token) {
    if (!token.empty() && token.front() == '-') token.remove_prefix(1);
    auto exponent = token.find_first_of("eE");
    if (exponent != std::string_view::npos) return token.substr(exponent + 1).front() == '-';
    return token.find_first_not_of("0.") == std::string_view::npos || token.front() == '.' ||
           token.substr(0, 2) == "0.";
}

}  // namespace

void NumberScanner::SkipSpaces() {
    while (!AtEnd() && IsSpace(text_[position_])) ++position_;
}

void NumberScanner::SkipSeparators() {
    SkipSpaces();
    if (!AtEnd() && text_[position_] == ',') {
        ++position_;
        SkipSpaces();
    }
}

bool NumberScanner::AtNumber() const {
    return NumberLength() > 0;
}

// Length of the number starting at the current position following SVG's grammar:
// sign, digits with an optional fraction (or a fraction alone), optional exponent.
std::size_t NumberScanner::NumberLength() const {
    std::size_t i = position_;
    auto at = [&](std::size_t k) { return k < text_.size() ? text_[k] : '\0'; };
    if (at(i) == '+' || at(i) == '-') ++i;
    std::size_t digits = 0;
    while (IsDigit(at(i))) ++i, ++digits;
    if (at(i) == '.' && IsDigit(at(i + 1))) {
        ++i;
        while (IsDigit(at(i))) ++i, ++digits;
    } else if (at(i) == '.' && digits > 0) {
        ++i;  // "5." is a number
    }
    if (digits == 0) return 0;
    // An exponent only when digits follow, so that "2em" stays a number and a unit.
    if (at(i) == 'e' || at(i) == 'E') {
        std::size_t k = i + 1;
        if (at(k) == '+' || at(k) == '-') ++k;
        if (IsDigit(at(k))) {
            while (IsDigit(at(k))) ++k;
            i = k;
        }
    }
    return i - position_;
}

namespace {

// The run of decimal digits at `text` (up to `end`): how many, and their value (exact for
// 19 digits or fewer). Eight bytes are looked at together where there are eight left, so
// that a number's digits cost no branch each.
std::size_t DigitRun(const char* text, const char* end, std::uint64_t* value) {
    constexpr std::uint64_t kBytes = 0x0101010101010101ULL;
    std::size_t count = 0;
    std::uint64_t run = 0;
    if (end - text >= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text, sizeof word);
        // Each byte less '0' (as an exclusive or: no borrow between bytes); a digit is
        // then below 10, which adding 0x76 to its low seven bits leaves below 0x80.
        const std::uint64_t offsets = word ^ (0x30 * kBytes);
        const std::uint64_t notDigits =
            (((offsets & (0x7F * kBytes)) + 0x76 * kBytes) | offsets) & (0x80 * kBytes);
        count = notDigits == 0 ? 8 : static_cast<std::size_t>(__builtin_ctzll(notDigits)) / 8;
        if (count > 0) {
            // The digits moved to the high bytes, zeros before them, then combined in
            // pairs, fours and eights (the first digit is the lowest byte).
            std::uint64_t digits = offsets << (8 * (8 - count));
            digits = (digits * 10) + (digits >> 8);
            digits = (((digits & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
                      (((digits >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
                     32;
            run = digits;
        }
        if (count < 8) {
            *value = run;
            return count;
        }
    }
    for (; text + count < end && IsDigit(text[count]); ++count)
        run = run * 10 + static_cast<std::uint64_t>(text[count] - '0');
    *value = run;
    return count;
}

}  // namespace

// Most numbers of a drawing have a few digits and no exponent: their digits make a
// whole number that a double holds exactly, divided by an exact power of ten, which
// rounds once, as the general conversion does. Read in one pass; nothing for other
// numbers (an exponent, or a unit starting with e, follows; too many digits; no digit).
bool NumberScanner::ReadShortDecimal(double* value) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr std::size_t kMostDigits = 15;
    const char* text = text_.data();
    const char* end = text + text_.size();
    std::size_t i = position_;
    const bool negative = i < text_.size() && text[i] == '-';
    if (i < text_.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::uint64_t whole = 0, fraction = 0;
    const std::size_t integers = DigitRun(text + i, end, &whole);
    i += integers;
    std::size_t decimals = 0;
    if (i < text_.size() && text[i] == '.') {
        ++i;
        decimals = DigitRun(text + i, end, &fraction);
        i += decimals;
    }
    const std::size_t digits = integers + decimals;
    if (digits == 0 || digits > kMostDigits ||
        (i < text_.size() && (text[i] == 'e' || text[i] == 'E')))
        return false;
    // Powers of ten up to 10^15 are whole numbers a double holds exactly.
    whole = whole * static_cast<std::uint64_t>(kPowersOfTen[decimals]) + fraction;
    const double magnitude = static_cast<double>(whole) / kPowersOfTen[decimals];
    *value = negative ? -magnitude : magnitude;
    position_ = i;
    SkipSeparators();
    return true;
}

bool NumberScanner::ReadNumber(double* result) {
    if (ReadShortDecimal(result)) return true;
    std::size_t length = NumberLength();
    if (length == 0) return false;
    std::string_view token = text_.substr(position_, length);
    if (token.front() == '+') token.remove_prefix(1);
    double value = 0;
    auto [end, code] = std::from_chars(token.data(), token.data() + token.size(), value);
    // Out of range in either direction: a huge value is refused by the callers' limits;
    // an underflow is zero.
    if (code == std::errc::result_out_of_range) {
        value = IsBelowOne(token) ? 0.0 : HUGE_VAL;
    } else if (code != std::errc() || end != token.data() + token.size()) {
        return false;
    }
    *result = value;
    position_ += length;
    SkipSeparators();
    return true;
}

std::optional<bool> NumberScanner::ReadFlag() {
    if (AtEnd() || (text_[position_] != '0' && text_[position_] != '1')) return std::nullopt;
    bool flag = text_[position_] == '1';
    ++position_;
    SkipSeparators();
    return flag;
}

std::optional<double> ParseNumber(std::string_view text) {
    NumberScanner scanner(Trim(text));
    auto value = scanner.ReadNumber();
    if (!value || !scanner.AtEnd()) return std::nullopt;
    return value;
}

void AppendFloat(std::string& text, float value) {
    char buffer[32];
    auto [end, code] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (value == 0 || code != std::errc())  // also for -0
        text += '0';
    else
        text.append(buffer, end);
}

std::string FormatFloat(float value) {
    std::string text;
    AppendFloat(text, value);
    return text;
}

std::string FormatDouble(double value) {
    if (value == 0) return "0";
    char buffer[40];
    auto [end, code] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return code == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace host::svg
