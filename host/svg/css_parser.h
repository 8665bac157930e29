// The text of a CSS style sheet read into rules: each rule's selectors as written and its
// declarations. Error recovery follows CSS: a bad declaration is dropped up to its ';', a
// bad rule up to the end of its block, and reading goes on after them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

/// One declaration: the property's name (lower case), its value trimmed, without its
/// comments and without "!important", which `important` says.
struct CssDeclaration {
    std::string name, value;
    bool important = false;
};

/// A style rule: its selector list as written (comments blanked, trimmed), where that list
/// starts in the text (a byte offset), and its declarations in order.
struct CssRule {
    std::string selectors;
    std::size_t offset = 0;
    std::vector<CssDeclaration> declarations;
};

/// Something skipped while reading, at a byte offset of the text: "skipped: ...".
struct CssProblem {
    std::size_t offset = 0;
    std::string message;
};

/// What a style sheet holds: its rules in source order, and what was skipped. At-rules
/// (@media, @import, @font-face, ...) are skipped whole, each with a problem naming it.
struct CssSheet {
    std::vector<CssRule> rules;
    std::vector<CssProblem> problems;
};

/// Reads any text as a style sheet; never fails.
CssSheet ParseCssSheet(std::string_view text);

/// The declarations of a block ("fill: red; stroke: blue !important"), its problems added
/// to `problems` with offsets counted from `offset`.
std::vector<CssDeclaration> ParseCssDeclarations(std::string_view block, std::size_t offset,
                                                 std::vector<CssProblem>* problems);

}  // namespace host::svg
