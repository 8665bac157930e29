// The words of one script line: quoted texts, numbers, and their checks.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

struct ScriptWord {
    std::string text;
    bool quoted = false;
};

/// Splits a line into words; `#` outside quotes starts a comment. In quotes, \" \\ \r
/// \n and \t stand for their characters. False with `error` set for an unclosed quote.
bool SplitScriptLine(const std::string& line, std::vector<ScriptWord>* words, std::string* error);

/// A decimal number that is the whole word and finite, or nullopt.
std::optional<double> ParseNumber(const std::string& word);
/// A number the drawing can hold: within the largest coordinate a saved drawing reopens
/// with (1e15, as SVG files are read).
std::optional<double> ParseCoordinate(const std::string& word);
/// A whole decimal integer, or nullopt.
std::optional<long long> ParseInteger(const std::string& word);

}  // namespace host
