// Style sheet texts, good and broken, read into rules: what a browser keeps is kept, what
// it drops is dropped with a problem at its place, and reading goes on after it.
#include <gtest/gtest.h>

#include <string>

#include "host/svg/css_parser.h"

namespace host::svg {
namespace {

// "selectors{name:value;name:value!}" for each rule, "!" after an important value.
std::string Rules(const CssSheet& sheet) {
    std::string text;
    for (const auto& rule : sheet.rules) {
        text += rule.selectors + "{";
        for (const auto& d : rule.declarations)
            text += d.name + ":" + d.value + (d.important ? "!" : "") + ";";
        text += "}";
    }
    return text;
}

// "OFFSET message|" for each problem.
std::string Problems(const CssSheet& sheet) {
    std::string text;
    for (const auto& problem : sheet.problems)
        text += std::to_string(problem.offset) + " " + problem.message + "|";
    return text;
}

// An @import, an @font-face and a declaration without its colon are told at their line by
// the style sheet tests, through a drawing.
TEST(CssParser, GoodAndMalformedSheetsKeepWhatABrowserKeeps) {
    struct Row {
        const char* sheet;
        const char* rules;
        const char* problems;
    };
    const Row rows[] = {
        {".st0{fill:#E30613;}.st1{fill:none;stroke:#000}",
         ".st0{fill:#E30613;}.st1{fill:none;stroke:#000;}", ""},
        {"  /* logo */ rect , .a>b { FILL : red ! IMPORTANT ; /* x */ stroke: blue }",
         "rect , .a>b{fill:red!;stroke:blue;}", ""},
        {"<!-- .a{fill:red} -->", ".a{fill:red;}", ""},
        {"a{font-family:'x;}' , \"y}\";fill:red}", "a{font-family:'x;}' , \"y}\";fill:red;}", ""},
        {"a{fill:url(#g;1);stroke:red}", "a{fill:url(#g;1);stroke:red;}", ""},
        {"@media print { a{fill:red} b{fill:blue} } c{fill:green}", "c{fill:green;}",
         "0 skipped: @media rules are not applied|"},
        {"a{:red;fill:;1x:red;stroke:blue !imp}", "a{}",
         "2 skipped: malformed declaration \":red\"|7 skipped: malformed declaration \"fill:\"|"
         "13 skipped: malformed declaration \"1x:red\"|"
         "20 skipped: malformed declaration \"stroke:blue !imp\"|"},
        {"a{fill:red", "a{fill:red;}", ""},
        {"a{fill:red;b{fill:blue}}c{fill:green}", "a{fill:red;}c{fill:green;}",
         "11 skipped: malformed declaration \"b{fill:blue}\"|"},
        {"a{fill:red} b", "a{fill:red;}", "12 skipped: the rule \"b\" has no block|"},
        {"a{fill:red} /* never closed", "a{fill:red;}", ""},
        {"a{content:'never closed\n;fill:red}", "a{fill:red;}",
         "2 skipped: malformed declaration \"content:'never closed\"|"},
        {"}}} a{fill:red}", "}}} a{fill:red;}", ""},
        {"a{--Brand:Red;fill:var(--Brand)}", "a{--Brand:Red;fill:var(--Brand);}", ""},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        CssSheet sheet = ParseCssSheet(row.sheet);
        EXPECT_EQ(Rules(sheet), row.rules) << row.sheet;
        EXPECT_EQ(Problems(sheet), row.problems) << row.sheet;
    }
}

TEST(CssParser, AnyBytesReadWithoutFault) {
    // Every prefix of a sheet full of openers, quotes and escapes: unclosed blocks,
    // strings and comments end with the text.
    const std::string sheet =
        "@media (x{y}[z]){a{}} a[b='c\\'d'] > e { f : \"g\\\"h;}\" ! important ; i:(j;k) } "
        "/* l */ \\ m{n:o} @x; {{{ ((( [[[ '\"";
    for (std::size_t length = 0; length <= sheet.size(); ++length) {
        CssSheet parsed = ParseCssSheet(sheet.substr(0, length));
        for (const auto& problem : parsed.problems)
            EXPECT_LE(problem.offset, length) << sheet.substr(0, length);
    }
    CssSheet whole = ParseCssSheet(sheet);
    ASSERT_GE(whole.rules.size(), 1u);
    EXPECT_EQ(whole.rules[0].selectors, "a[b='c\\'d'] > e");
    ASSERT_EQ(whole.rules[0].declarations.size(), 2u);
    EXPECT_EQ(whole.rules[0].declarations[0].value, "\"g\\\"h;}\"");
    EXPECT_TRUE(whole.rules[0].declarations[0].important);
}

}  // namespace
}  // namespace host::svg
