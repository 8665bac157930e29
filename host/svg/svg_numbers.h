// Numbers as SVG writes them: the scanner shared by path data, transforms, point
// lists and lengths, and the shortest writer used on export.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "host/document/limits.h"

namespace host::svg {

/// Magnitudes beyond this are refused, as the document refuses them.
constexpr double kLargestCoordinate = host::kLargestCoordinate;

/// Reads numbers and flags from a list separated by white space and at most one comma.
class NumberScanner {
 public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    /// Skips white space and at most one comma around it.
    void SkipSeparators();
    void SkipSpaces();
    bool AtEnd() const { return position_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[position_]; }
    void Advance() { ++position_; }
    std::size_t position() const { return position_; }
    /// True when the next character may start a number.
    bool AtNumber() const;

    /// A number in SVG's grammar (no "inf", "nan" or hexadecimal), then separators.
    /// nullopt without moving when there is none; a finite value otherwise.
    std::optional<double> ReadNumber() {
        double value = 0;
        if (!ReadNumber(&value)) return std::nullopt;
        return value;
    }
    /// The same into `value`, false when there is none: path data reads millions, and an
    /// optional returned from a call costs a stall each.
    bool ReadNumber(double* value);
    /// An arc flag: one character '0' or '1', which may run into what follows.
    std::optional<bool> ReadFlag();
    /// The rest of the text from the current position.
    std::string_view Rest() const { return text_.substr(position_); }

 private:
    std::size_t NumberLength() const;
    bool ReadShortDecimal(double* value);
    std::string_view text_;
    std::size_t position_ = 0;
};

/// The number in `text` with nothing else but surrounding white space.
std::optional<double> ParseNumber(std::string_view text);

/// Shortest decimal text that reads back as the same single-precision value.
std::string FormatFloat(float value);
/// The same text added to the end of `text`.
void AppendFloat(std::string& text, float value);
/// Shortest decimal text that reads back as the same double.
std::string FormatDouble(double value);

/// `text` without leading and trailing white space.
std::string_view Trim(std::string_view text);

}  // namespace host::svg
