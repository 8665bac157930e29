// A text's font through a file: the family, weight and style read name one face, and
// saving writes what leads other programs back to it.
#include <gtest/gtest.h>

#include <string>

#include "host/svg_test_files.h"

namespace host::testing {
namespace {

TEST(SvgFont, TheFamilyWeightAndStyleOfATextNameItsFaceBothWays) {
    struct Row {
        const char* attributes;  // of the <text>
        const char* font;        // the face read
        const char* written;     // the font attributes saved
    };
    const Row rows[] = {
        {"font-family=\"C059\" font-weight=\"bold\"", "C059 Bold",
         "font-family=\"'C059'\" font-weight=\"bold\""},
        {"style=\"font-family:'DejaVu Sans';font-style:oblique;font-weight:700\"",
         "DejaVu Sans Bold Oblique",
         "font-family=\"'DejaVu Sans'\" font-weight=\"bold\" font-style=\"oblique\""},
        // A family the system lacks keeps its name (the naming itself is the font
        // description's tests').
        {"font-family=\"Helvetica\" font-weight=\"bold\" font-style=\"italic\"",
         "Helvetica-BoldItalic",
         "font-family=\"'Helvetica', sans-serif\" font-weight=\"bold\" font-style=\"italic\""},
    };
    for (const Row& row : rows) {
        auto doc = LoadSvgText(std::string("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                           "width=\"100\" height=\"100\"><text ") +
                               row.attributes + ">A</text></svg>");
        const Art& text = *doc->layers()[0]->group()->children().at(0);
        EXPECT_EQ(text.text().style.font, row.font) << row.attributes;
        const std::string path = TempSvgPath("saved.svg");
        std::string error;
        ASSERT_TRUE(SaveSvgDocument(*doc, path, &error)) << error;
        EXPECT_NE(ReadTextFile(path).find(row.written), std::string::npos) << row.attributes << "\n"
                                                                           << ReadTextFile(path);
    }
    // A text without a font is left to the reader's default font, as it came.
    auto plain = LoadSvgText(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" "
        "height=\"100\"><text>A</text></svg>");
    EXPECT_EQ(plain->layers()[0]->group()->children().at(0)->text().style.font, "");
    const std::string path = TempSvgPath("plain.svg");
    std::string error;
    ASSERT_TRUE(SaveSvgDocument(*plain, path, &error)) << error;
    EXPECT_EQ(ReadTextFile(path).find("font-family"), std::string::npos) << ReadTextFile(path);
}

}  // namespace
}  // namespace host::testing
