// Drawings whose paint comes from `<style>` sheets: the cascade of presentation
// attributes, rules and `style`, and what is skipped with a warning. (That a logo styled
// by classes opens in its colours is the round-trip tests' logo_by_class: its saved
// picture is drawn from the colours read.)
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/svg_test_files.h"

namespace host::testing {
namespace {

std::string Svg(const std::string& body) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           "width=\"100\" height=\"100\">" +
           body + "</svg>";
}

// "#rrggbb" of a path's fill, "none" when it is not filled.
std::string FillOf(const Art& path) {
    if (!path.style().fillPaint) return "none";
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x",
                  static_cast<int>(path.style().fill.v[0] * 255 + 0.5f),
                  static_cast<int>(path.style().fill.v[1] * 255 + 0.5f),
                  static_cast<int>(path.style().fill.v[2] * 255 + 0.5f));
    return hex;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Which selector matches, and how specific it is, is the selector tests'; here the order
// of the sources of a property, the more specific rule before the later one.
TEST(SvgStyleSheet, AttributesBelowSheetsBelowStyleAndImportantAboveAll) {
    struct Row {
        const char* sheets;  // the text of a <style> element
        const char* rect;    // the rect's attributes, inside <g class="grp">
        const char* fill;
    };
    const Row rows[] = {
        {".a{fill:#ff0000}", "class='a' fill='#00ff00'", "#ff0000"},
        {".a{fill:#ff0000}", "class='a' style='fill:#00ff00'", "#00ff00"},
        {".a{fill:#ff0000 !important}", "class='a' style='fill:#00ff00'", "#ff0000"},
        {".a{fill:#ff0000 !important}", "class='a' style='fill:#00ff00 !important'", "#00ff00"},
        {"", "style='fill:#ff0000 !important;fill:#00ff00'", "#ff0000"},
        {".a{fill:#0000ff} .a{fill:#ff0000}", "class='a'", "#ff0000"},
        {"#r{fill:#0000ff} .a{fill:#ff0000}", "id='r' class='a'", "#0000ff"},
        {".a{fill:#0000ff}</style><style>.a{fill:#ff0000}", "class='a'", "#ff0000"},
        {".grp{fill:#0000ff}", "", "#0000ff"},
        {".grp{fill:#0000ff}", "fill='#ff0000'", "#ff0000"},
        {"<![CDATA[ g > .a{fill:#ff0000} ]]>", "class='a'", "#ff0000"},
        {"@media print{.a{fill:#0000ff}} .a{fill:#ff0000}", "class='a'", "#ff0000"},
        {".a{fill:#ff0000;stroke}", "class='a'", "#ff0000"},
    };
    for (const auto& row : rows) {
        auto doc = LoadSvgText(Svg(std::string("<defs><style>") + row.sheets +
                                   "</style></defs><g class='grp'><rect " + row.rect +
                                   " width='5' height='5'/></g>"));
        ASSERT_TRUE(doc) << row.sheets;
        Art* rect = FirstArt(*doc, ArtKind::Path);
        ASSERT_TRUE(rect) << row.sheets;
        EXPECT_EQ(FillOf(*rect), row.fill) << row.sheets << " / " << row.rect;
    }
}

TEST(SvgStyleSheet, ASheetAppliesToTheWholeDocumentAlsoThroughUse) {
    std::string warnings;
    auto doc =
        LoadSvgText(Svg("<rect class='early' width='5' height='5'/>"
                        "<defs><symbol id='mark'><path class='mark' d='M0 0 L5 5'/></symbol></defs>"
                        "<use xlink:href='#mark'/>"
                        "<rect class='clipped' width='5' height='5'/>"
                        "<clipPath id='window'><rect width='1' height='1'/></clipPath>"
                        "<style>.early{fill:#ff0000} symbol .mark{fill:#0000ff}"
                        " .clipped{clip-path:url(#window)}</style>"),
                    &warnings);
    ASSERT_TRUE(doc);
    std::vector<std::string> fills, kept;
    doc->ForEachArt([&](Art& art) {
        if (art.kind() != ArtKind::Path) return;
        fills.push_back(FillOf(art));
        const std::string* style = art.kept() ? art.kept()->Find("style") : nullptr;
        kept.push_back(style ? *style : "");
    });
    EXPECT_EQ(fills, (std::vector<std::string>{"#ff0000", "#0000ff", "#000000"}));
    // A property the host does not model is kept from the sheet as well.
    EXPECT_EQ(kept, (std::vector<std::string>{"", "", "clip-path:url(#window);"}));
    EXPECT_EQ(warnings, "");
}

TEST(SvgStyleSheet, SiblingSelectorsSeeTheElementsReadBefore) {
    auto doc =
        LoadSvgText(Svg("<style>rect + rect{fill:#0000ff} :first-child{fill:#ff0000}</style>"
                        "<g><rect width='1' height='1'/><rect width='1' height='1'/>"
                        "<rect width='1' height='1'/></g>"));
    ASSERT_TRUE(doc);
    std::vector<std::string> fills;
    doc->ForEachArt([&](Art& art) {
        if (art.kind() == ArtKind::Path) fills.push_back(FillOf(art));
    });
    EXPECT_EQ(fills, (std::vector<std::string>{"#ff0000", "#0000ff", "#0000ff"}));
}

TEST(SvgStyleSheet, WhatIsNotAppliedIsToldAtItsLine) {
    const std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">\n"
        "<defs><style type=\"text/css\">\n"
        "@font-face{font-family:X}\n"
        ".a{fill:red}\n"
        "@font-face{font-family:Y}\n"
        ".b:frob{fill:red}\n"
        ".c{fill red}\n"
        "</style>\n"
        "<style type=\"text/x-less\">.a{}</style>\n"
        "<style media=\"print\">.a{}</style>\n"
        "<style media=\"screen and (min-width: 10px)\">@import url(x.css);</style>\n"
        "<rect class=\"a\" width=\"1\" height=\"1\"/></defs>\n"
        "</svg>\n";
    std::string warnings;
    auto doc = LoadSvgText(svg, &warnings);
    ASSERT_TRUE(doc);
    const std::string file = TempSvgPath("drawing.svg");
    const std::vector<std::string> expected = {
        file + ":3: <style>: skipped: @font-face rules are not applied",
        file + ":6: <style>: skipped: a rule whose selector \".b:frob\" is not understood",
        file + ":7: <style>: skipped: malformed declaration \"fill red\"",
        file + ":9: <style>: skipped: style sheets of type \"text/x-less\" are not applied",
        file + ":10: <style>: skipped: a style sheet for media \"print\"",
        file + ":11: <style>: skipped: @import rules are not applied"};
    EXPECT_EQ(Lines(warnings), expected);
}

}  // namespace
}  // namespace host::testing
