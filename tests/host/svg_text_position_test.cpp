// Where a text of a drawing stands: its shifts, and the white space that renderers draw
// at the ends of its lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/svg_test_files.h"

namespace host::testing {
namespace {

std::vector<Art*> Texts(const Document& document) {
    std::vector<Art*> texts;
    document.ForEachArt([&](Art& art) {
        if (art.kind() == ArtKind::Text) texts.push_back(&art);
    });
    return texts;
}

std::string Page(const std::string& attributes, const std::string& body) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400pt\" height=\"400pt\" "
           "viewBox=\"0 0 400 400\" " +
           attributes + ">" + body + "</svg>";
}

TEST(SvgTextPosition, TheTextsShiftMovesItsAnchorButNotATspansShift) {
    auto document =
        LoadSvgText(Page("",
                         "<text x=\"100\" y=\"350\" dx=\"-30\">A</text>"
                         "<text x=\"250\" y=\"50\" dy=\"-10\" text-anchor=\"middle\">B</text>"
                         "<text x=\"10\" y=\"20\"><tspan x=\"10\" y=\"20\">One</tspan>"
                         "<tspan x=\"10\" dy=\"8\">Two</tspan></text>"));
    ASSERT_TRUE(document);
    auto texts = Texts(*document);
    ASSERT_EQ(texts.size(), 3u);
    const float expected[][2] = {{70, 400 - 350}, {250, 400 - 40}, {10, 400 - 20}};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i]->text().contents);
        EXPECT_FLOAT_EQ(texts[i]->text().matrix.tx, expected[i][0]);
        EXPECT_FLOAT_EQ(texts[i]->text().matrix.ty, expected[i][1]);
    }
}

// What the host's one-style text of lines cannot hold is told, once per kind and text;
// a text of lines in one style, as editors and the host write them, tells nothing.
TEST(SvgTextPosition, WhatATextLosesIsTold) {
    struct Row {
        const char* body;
        const char* warnings;
    };
    const Row kRows[] = {
        {"<text x=\"10\" y=\"20\"><tspan x=\"10\" y=\"20\" font-size=\"8\">One</tspan>"
         "<tspan x=\"10\" dy=\"8\" font-size=\"8\">Two</tspan></text>",
         ""},
        {"<text x=\"10 20 30\" y=\"20\" rotate=\"5\">abc</text>",
         "ignored: positions of single characters (the text keeps its lines)|"
         "ignored: rotations of single characters|"},
        {"<text x=\"10\" y=\"20\" stroke=\"blue\">a<!-- why -->b<title>t</title>"
         "<title>u</title></text>",
         "skipped: a comment inside a text|ignored: the text's stroke|"
         "skipped: a <title> inside a text|"},
        {"<text x=\"10\" y=\"20\">ab<tspan fill=\"red\">c</tspan></text>",
         "ignored: characters styled apart from the text's first ones|"},
    };
    for (const Row& row : kRows) {
        std::string warnings;
        ASSERT_TRUE(LoadSvgText(Page("", row.body), &warnings)) << row.body;
        std::string told;
        for (std::size_t at = 0; at < warnings.size();) {
            const std::size_t end = std::min(warnings.find('\n', at), warnings.size());
            const std::string line = warnings.substr(at, end - at);
            told += line.substr(line.find(">: ") + 3) + "|";  // after "FILE:LINE: <text>: "
            at = end + 1;
        }
        EXPECT_EQ(told, row.warnings) << row.body;
    }
}

TEST(SvgTextPosition, PreservedSpacesBetweenLinesEndTheLineBeforeThem) {
    const std::string lines =
        "<text x=\"200\" y=\"100\" text-anchor=\"middle\">\n  "
        "<tspan x=\"200\" y=\"100\">HC-SR04</tspan>\n  <tspan x=\"200\" y=\"150\">Top "
        "view</tspan>\n</text>";
    struct Row {
        const char* space;
        const char* contents;
    };
    // Kept, they push a centred line aside as they do in every renderer; between
    // lines without xml:space they are layout.
    const Row rows[] = {{"xml:space=\"preserve\"", "HC-SR04   \rTop view "},
                        {"", "HC-SR04\rTop view"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.space);
        auto document = LoadSvgText(Page(row.space, lines));
        ASSERT_TRUE(document);
        auto texts = Texts(*document);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0]->text().contents, row.contents);
    }
}

// A text of several lines keeps its lines' distance and its baseline shift (the
// two-line labels of a second unit are shifted so).
TEST(SvgTextPosition, LinesKeepTheirDistanceThroughSaveAndOpen) {
    struct Row {
        const char* secondLine;
        float step;  // in font sizes
    };
    const Row rows[] = {{"x=\"0\" y=\"125\"", 1.25f},  // Inkscape's line-height 1.25
                        {"x=\"0\" dy=\"1.5em\"", 1.5f},
                        {"x=\"0\" dy=\"15\"", 0.75f},
                        {"x=\"0\" y=\"100\"", 1.2f}};  // on the first: the host's own step
    for (const Row& row : rows) {
        SCOPED_TRACE(row.secondLine);
        auto document =
            LoadSvgText(Page("", std::string("<text font-size=\"20\" baseline-shift=\"-4\">"
                                             "<tspan x=\"0\" y=\"100\">one</tspan>"
                                             "<tspan ") +
                                     row.secondLine + ">two</tspan></text>"));
        ASSERT_TRUE(document);
        auto texts = Texts(*document);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_FLOAT_EQ(texts[0]->text().style.lineStep, row.step);
        EXPECT_FLOAT_EQ(texts[0]->text().style.baselineShift, -4);
        const std::string saved = TempSvgPath("saved.svg");
        std::string error, warnings;
        ASSERT_TRUE(SaveSvgDocument(*document, saved, &error)) << error;
        auto reopened = LoadSvgDocument(saved, &error, &warnings);
        ASSERT_TRUE(reopened) << error;
        EXPECT_FLOAT_EQ(Texts(*reopened).at(0)->text().style.lineStep, row.step);
        EXPECT_FLOAT_EQ(Texts(*reopened).at(0)->text().style.baselineShift, -4);
    }
}

}  // namespace
}  // namespace host::testing
