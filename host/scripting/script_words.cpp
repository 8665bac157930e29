#include "host/scripting/script_words.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "host/svg/svg_numbers.h"

namespace host {

bool SplitScriptLine(const std::string& line, std::vector<ScriptWord>* words, std::string* error) {
    words->clear();
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c == '#') break;
        ScriptWord word;
        if (c == '"') {
            word.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char q = line[i++];
                if (q == '"') {
                    closed = true;
                    break;
                }
                if (q == '\\' && i < line.size()) {
                    char e = line[i++];
                    word.text += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
                } else {
                    word.text += q;
                }
            }
            if (!closed) {
                *error = "a quoted text is not closed";
                return false;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                   line[i] != '\n')
                word.text += line[i++];
        }
        words->push_back(word);
    }
    return true;
}

std::optional<double> ParseNumber(const std::string& word) {
    if (word.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    double value = std::strtod(word.c_str(), &end);
    if (end != word.c_str() + word.size() || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    // Hexadecimal and the words "inf" / "nan" are not decimal numbers of a script.
    for (char c : word)
        if (c == 'x' || c == 'X' || c == 'n' || c == 'N' || c == 'i' || c == 'I')
            return std::nullopt;
    return value;
}

std::optional<double> ParseCoordinate(const std::string& word) {
    const auto value = ParseNumber(word);
    if (!value || !(std::fabs(*value) <= svg::kLargestCoordinate)) return std::nullopt;
    return value;
}

std::optional<long long> ParseInteger(const std::string& word) {
    if (word.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(word.c_str(), &end, 10);
    if (end != word.c_str() + word.size() || errno == ERANGE) return std::nullopt;
    return value;
}

}  // namespace host
