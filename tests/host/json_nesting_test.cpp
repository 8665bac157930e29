#include "host/io/json_nesting.h"

#include <gtest/gtest.h>

#include <string>

namespace host {
namespace {

std::string Nested(std::size_t depth) {
    return std::string(depth, '[') + std::string(depth, ']');
}

TEST(JsonNesting, DepthCountsBracketsOutsideStrings) {
    const struct {
        std::string text;
        std::size_t depth;
    } kRows[] = {
        {"3", 0},
        {"{}", 1},
        {R"({"a": [1, {"b": []}], "c": {}})", 4},
        {R"(["[[[", "\"[{"])", 1},  // brackets and escaped quotes inside strings
        {R"(["\\", [[]]])", 3},     // an escaped backslash ends before the quote
        {"]]]][", 1},               // not JSON: counted all the same, never below zero
        {Nested(100000), 100000},
    };
    for (const auto& row : kRows) EXPECT_EQ(JsonNestingDepth(row.text), row.depth) << row.text;
}

TEST(JsonNesting, ParsesUpToTheLimitAndRefusesBeyond) {
    std::string error;
    EXPECT_FALSE(ParseNestedJson(Nested(kDeepestJsonNesting), &error).is_discarded()) << error;
    for (const std::size_t depth : {kDeepestJsonNesting + 1, std::size_t{100000}}) {
        error.clear();
        EXPECT_TRUE(ParseNestedJson(Nested(depth), &error).is_discarded());
        EXPECT_EQ(error, "nested more than 256 deep");
    }
    EXPECT_TRUE(ParseNestedJson("{\"a\": ", &error).is_discarded());
    EXPECT_NE(error.find("parse error"), std::string::npos) << error;
}

}  // namespace
}  // namespace host
