// Selectors read from their text and matched against the elements of a small drawing.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "host/svg/css_selector.h"

namespace host::svg {
namespace {

constexpr const char* kDrawing = R"(<svg xmlns="http://www.w3.org/2000/svg" id="root">
  <defs id="defs"><style id="sheet"/></defs>
  <g id="logo" class="brand  dark">
    <rect id="first" class="st0 big" data-kind="hole-left" lang="en-GB"/>
    <path id="second" class="st1" data-kind="Hole"/>
    <circle id="third"/>
  </g>
  <text id="label" class="ST0">Label</text>
  <a id="link" href="#logo"><rect id="linked" class="st0"/></a>
  <g id="outer"><g id="inner"><path id="deep"/></g></g>
</svg>)";

// Never-matching selectors: their specificity does not matter.
constexpr std::uint32_t kAnySpecificity = ~std::uint32_t{0};

// Ids, then classes, attributes and pseudo-classes, then types.
constexpr std::uint32_t Specificity(std::uint32_t ids, std::uint32_t classes, std::uint32_t types) {
    return ids << 20 | classes << 10 | types;
}

TEST(CssSelector, EachSelectorMatchesTheElementsItNamesWithItsSpecificity) {
    struct Row {
        const char* selector;
        const char* element;  // its id
        bool matches;
        std::uint32_t specificity;
    };
    const Row rows[] = {
        {"rect", "first", true, Specificity(0, 0, 1)},
        {"*", "third", true, 0},
        {"*|rect", "first", true, Specificity(0, 0, 1)},
        {".st0", "first", true, Specificity(0, 1, 0)},
        {".st0", "label", false, Specificity(0, 1, 0)},  // class names keep their case
        {".brand.dark", "logo", true, Specificity(0, 2, 0)},
        {"#first", "first", true, Specificity(1, 0, 0)},
        {"rect#first.big", "first", true, Specificity(1, 1, 1)},
        {"path#first", "first", false, Specificity(1, 0, 1)},
        {"[data-kind]", "second", true, Specificity(0, 1, 0)},
        {"[data-kind=Hole]", "second", true, Specificity(0, 1, 0)},
        {"[data-kind=hole]", "second", false, Specificity(0, 1, 0)},
        {"[data-kind=hole i]", "second", true, Specificity(0, 1, 0)},
        {"[class~=big]", "first", true, Specificity(0, 1, 0)},
        {"[class~=bi]", "first", false, Specificity(0, 1, 0)},
        {"[lang|=en]", "first", true, Specificity(0, 1, 0)},
        {"[lang|=e]", "first", false, Specificity(0, 1, 0)},
        {"[data-kind^=\"hole-\"]", "first", true, Specificity(0, 1, 0)},
        {"[data-kind$='left']", "first", true, Specificity(0, 1, 0)},
        {"[data-kind*=le-l]", "first", true, Specificity(0, 1, 0)},
        {"[data-kind*=\"\"]", "first", false, Specificity(0, 1, 0)},
        {"g rect", "first", true, Specificity(0, 0, 2)},
        {"svg g > rect", "first", true, Specificity(0, 0, 3)},
        {"#outer path", "deep", true, Specificity(1, 0, 1)},
        {"#outer > path", "deep", false, Specificity(1, 0, 1)},
        {"g g g path", "deep", false, Specificity(0, 0, 4)},
        {"rect + path", "second", true, Specificity(0, 0, 2)},
        {"rect + circle", "third", false, Specificity(0, 0, 2)},
        {"rect ~ circle", "third", true, Specificity(0, 0, 2)},
        {"g > path ~ rect", "first", false, Specificity(0, 0, 3)},
        {"defs ~ g > circle", "third", true, Specificity(0, 0, 3)},
        {":first-child", "first", true, Specificity(0, 1, 0)},
        {"rect:last-child", "linked", true, Specificity(0, 1, 1)},
        {"path:only-child", "deep", true, Specificity(0, 1, 1)},
        {"svg:root", "root", true, Specificity(0, 1, 1)},
        {"style:empty", "sheet", true, Specificity(0, 1, 1)},
        {"text:empty", "label", false, Specificity(0, 1, 1)},
        {"a:link rect", "linked", true, Specificity(0, 1, 2)},
        {"rect:not(.big)", "linked", true, Specificity(0, 1, 1)},
        {"rect:not(.big, #x)", "first", false, Specificity(1, 0, 1)},
        {"rect:hover", "first", false, kAnySpecificity},
        {"rect::before", "first", false, kAnySpecificity},
        {".\\73 t0", "first", true, Specificity(0, 1, 0)},  // an escaped "s"
        {"#nowhere, .big", "first", true, Specificity(0, 1, 0)},
    };
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(kDrawing));
    for (const auto& row : rows) {
        auto list = ParseSelectorList(row.selector);
        ASSERT_TRUE(list) << row.selector;
        pugi::xml_node element = document.find_node([&](const pugi::xml_node& n) {
            return std::string(n.attribute("id").value()) == row.element;
        });
        ASSERT_TRUE(element) << row.element;
        bool matches = false;
        for (const auto& selector : *list) matches = matches || Matches(selector, element);
        EXPECT_EQ(matches, row.matches) << row.selector << " on #" << row.element;
        if (row.specificity != kAnySpecificity) {
            EXPECT_EQ(list->back().specificity, row.specificity) << row.selector;
        }
    }
}

TEST(CssSelector, AListWithOneUnreadableSelectorIsRefusedWhole) {
    const char* unreadable[] = {"",
                                ",rect",
                                "rect,",
                                ".",
                                "#1a",
                                "[x=]",
                                "[x",
                                "rect >",
                                "> rect",
                                "a >> b",
                                ":nth-child(2)",
                                ":unknown",
                                "svg|rect",
                                "[x='a\nb']",
                                "rect, p:frob",
                                ".a:not(.b",
                                "{}",
                                "rect!"};
    for (const char* text : unreadable) EXPECT_FALSE(ParseSelectorList(text)) << text;
}

TEST(CssSelector, DeepSelectorsOnDeepTreesFailWithoutRetryingEveryAncestor) {
    // 200 nested groups and a selector of 30 descendants whose leftmost compound nothing
    // matches: matching stops at the root once, instead of trying every way down.
    std::string xml = "<svg>";
    for (int i = 0; i < 200; ++i) xml += "<g>";
    xml += "<path id=\"leaf\"/>";
    for (int i = 0; i < 200; ++i) xml += "</g>";
    xml += "</svg>";
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(xml.c_str()));
    std::string selector = "nothing";
    for (int i = 0; i < 30; ++i) selector += " g";
    auto list = ParseSelectorList(selector + " path");
    ASSERT_TRUE(list);
    pugi::xml_node leaf = document.find_node(
        [](const pugi::xml_node& n) { return std::string(n.attribute("id").value()) == "leaf"; });
    EXPECT_FALSE(Matches(list->front(), leaf));
    auto found = ParseSelectorList("svg" + selector.substr(7) + " path");
    ASSERT_TRUE(found);
    EXPECT_TRUE(Matches(found->front(), leaf));
}

}  // namespace
}  // namespace host::svg
