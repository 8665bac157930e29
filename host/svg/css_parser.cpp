#include "host/svg/css_parser.h"

#include <algorithm>
#include <cctype>

#include "host/svg/css_text.h"

namespace host::svg {

namespace {

constexpr std::size_t kLongestExcerpt = 40;  // bytes of a rule or declaration quoted

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && IsCssSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsCssSpace(text.back())) text.remove_suffix(1);
    return text;
}

// The text quoted in a message, cut at a character's start when long.
std::string Excerpt(std::string_view text) {
    text = TrimSpaces(text);
    if (text.size() <= kLongestExcerpt) return std::string(text);
    std::size_t end = kLongestExcerpt;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end)) + "...";
}

// Where the string opened at `pos` ends (after its closing quote); a string that meets a
// line's end or the text's end stops there, as CSS reads a bad string.
std::size_t StringEnd(std::string_view text, std::size_t pos) {
    const char quote = text[pos];
    for (++pos; pos < text.size(); ++pos) {
        if (text[pos] == '\\') {
            ++pos;
        } else if (text[pos] == quote) {
            return pos + 1;
        } else if (text[pos] == '\n') {
            return pos;
        }
    }
    return text.size();
}

// The text with every comment turned into spaces (its line breaks kept), so that offsets
// and line numbers stay those of the text. An unclosed comment runs to the end.
std::string BlankComments(std::string_view text) {
    std::string result(text);
    for (std::size_t pos = 0; pos < result.size();) {
        if (result[pos] == '"' || result[pos] == '\'') {
            pos = std::max(StringEnd(result, pos), pos + 1);
        } else if (result.compare(pos, 2, "/*") == 0) {
            std::size_t close = result.find("*/", pos + 2);
            std::size_t end = close == std::string::npos ? result.size() : close + 2;
            for (; pos < end; ++pos)
                if (result[pos] != '\n') result[pos] = ' ';
        } else {
            ++pos;
        }
    }
    return result;
}

char Closer(char opener) {
    return opener == '(' ? ')' : opener == '[' ? ']' : '}';
}

// The first character of `stops` at `pos` or after it that stands outside strings and
// outside any bracket opened after `pos`; the text's size when there is none. A closing
// bracket that closes nothing is an ordinary character, unless it is a stop.
std::size_t ScanTo(std::string_view text, std::size_t pos, std::string_view stops) {
    std::string closers;  // of the brackets open, innermost last
    while (pos < text.size()) {
        const char c = text[pos];
        if (closers.empty() && stops.find(c) != std::string_view::npos) return pos;
        if (c == '"' || c == '\'') {
            pos = StringEnd(text, pos);
            continue;
        }
        if (c == '\\') {
            pos += 2;
            continue;
        }
        if (c == '(' || c == '[' || c == '{') closers.push_back(Closer(c));
        if (!closers.empty() && c == closers.back()) closers.pop_back();
        ++pos;
    }
    return text.size();
}

bool IsNameCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '-' || c == '_' || u >= 0x80;
}

bool IsPropertyName(std::string_view name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name.front()))) return false;
    return std::all_of(name.begin(), name.end(), IsNameCharacter);
}

// Splits "value !important" into the value and its importance; false when a '!' is
// followed by anything else.
bool SplitImportance(std::string_view value, CssDeclaration* declaration) {
    std::size_t bang = std::string_view::npos;
    for (std::size_t pos = ScanTo(value, 0, "!"); pos < value.size();
         pos = ScanTo(value, pos + 1, "!"))
        bang = pos;
    if (bang == std::string_view::npos) {
        declaration->value = std::string(value);
        return true;
    }
    if (AsciiLower(TrimSpaces(value.substr(bang + 1))) != "important") return false;
    declaration->value = std::string(TrimSpaces(value.substr(0, bang)));
    declaration->important = true;
    return true;
}

// Whether every string of the text ends with its quote (CSS drops a declaration that
// holds a string broken by a line's end or the text's end).
bool StringsClosed(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (text[pos] == '"' || text[pos] == '\'') {
            const std::size_t end = StringEnd(text, pos);
            if (end - pos < 2 || text[end - 1] != text[pos]) return false;
            pos = end;
        } else {
            pos += text[pos] == '\\' ? 2 : 1;
        }
    }
    return true;
}

// One "name: value" of a block (comments already blanked); false when malformed.
bool ParseDeclaration(std::string_view item, CssDeclaration* declaration) {
    const std::size_t colon = ScanTo(item, 0, ":");
    if (colon == item.size()) return false;
    std::string_view name = TrimSpaces(item.substr(0, colon));
    if (!IsPropertyName(name)) return false;
    // Custom properties keep their case; every other name is read in lower case.
    declaration->name = name.substr(0, 2) == "--" ? std::string(name) : AsciiLower(name);
    return SplitImportance(TrimSpaces(item.substr(colon + 1)), declaration) &&
           !declaration->value.empty() && StringsClosed(declaration->value);
}

// Declarations of a block whose comments are blanked already.
std::vector<CssDeclaration> ParseBlankedDeclarations(std::string_view block, std::size_t offset,
                                                     std::vector<CssProblem>* problems) {
    std::vector<CssDeclaration> declarations;
    for (std::size_t pos = 0; pos < block.size();) {
        const std::size_t end = ScanTo(block, pos, ";");
        std::string_view item = block.substr(pos, end - pos);
        if (!TrimSpaces(item).empty()) {
            CssDeclaration declaration;
            if (ParseDeclaration(item, &declaration)) {
                declarations.push_back(std::move(declaration));
            } else {
                std::size_t start = pos;
                while (start < end && IsCssSpace(block[start])) ++start;
                problems->push_back(
                    {offset + start, "skipped: malformed declaration \"" + Excerpt(item) + "\""});
            }
        }
        pos = end + 1;
    }
    return declarations;
}

// The end of an at-rule starting at `pos`: after its ';' or after its block.
std::size_t AtRuleEnd(std::string_view text, std::size_t pos) {
    const std::size_t stop = ScanTo(text, pos, ";{");
    if (stop == text.size() || text[stop] == ';') return std::min(stop + 1, text.size());
    return std::min(ScanTo(text, stop + 1, "}") + 1, text.size());
}

std::string AtRuleName(std::string_view text, std::size_t pos) {
    std::size_t end = pos + 1;
    while (end < text.size() && IsNameCharacter(text[end])) ++end;
    return AsciiLower(text.substr(pos, end - pos));
}

// Markup comment delimiters that CSS lets a style sheet carry at its top level.
std::size_t MarkupDelimiterLength(std::string_view text, std::size_t pos) {
    if (text.compare(pos, 4, "<!--") == 0) return 4;
    if (text.compare(pos, 3, "-->") == 0) return 3;
    return 0;
}

}  // namespace

std::vector<CssDeclaration> ParseCssDeclarations(std::string_view block, std::size_t offset,
                                                 std::vector<CssProblem>* problems) {
    return ParseBlankedDeclarations(BlankComments(block), offset, problems);
}

CssSheet ParseCssSheet(std::string_view original) {
    const std::string text = BlankComments(original);
    CssSheet sheet;
    for (std::size_t pos = 0; pos < text.size();) {
        if (IsCssSpace(text[pos])) {
            ++pos;
        } else if (std::size_t length = MarkupDelimiterLength(text, pos)) {
            pos += length;
        } else if (text[pos] == '@') {
            sheet.problems.push_back(
                {pos, "skipped: " + AtRuleName(text, pos) + " rules are not applied"});
            pos = AtRuleEnd(text, pos);
        } else {
            const std::size_t open = ScanTo(text, pos, "{");
            std::string_view prelude = std::string_view(text).substr(pos, open - pos);
            if (open == text.size()) {
                sheet.problems.push_back(
                    {pos, "skipped: the rule \"" + Excerpt(prelude) + "\" has no block"});
                break;
            }
            const std::size_t close = ScanTo(text, open + 1, "}");
            CssRule rule{std::string(TrimSpaces(prelude)), pos, {}};
            rule.declarations =
                ParseBlankedDeclarations(std::string_view(text).substr(open + 1, close - open - 1),
                                         open + 1, &sheet.problems);
            sheet.rules.push_back(std::move(rule));
            pos = close + 1;
        }
    }
    return sheet;
}

}  // namespace host::svg
