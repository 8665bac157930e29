// How a text's font is named in a file: the family fontconfig leads back to the same face,
// with weight and slant; a missing font keeps its name with a generic family after it.
#include "host/fonts/font_description.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace host {
namespace {

TEST(FontDescription, AFullNameBecomesAFamilyWeightAndSlantThatLeadBackToIt) {
    struct Row {
        const char* fullName;
        const char* family;
        int weight;
        FontSlant slant;
        const char* fontFamily;  // as written in the file
    };
    const Row rows[] = {
        {"C059 Bold", "C059", 700, FontSlant::Upright, "'C059'"},
        {"C059 Bold Italic", "C059", 700, FontSlant::Italic, "'C059'"},
        {"DejaVu Sans", "DejaVu Sans", 400, FontSlant::Upright, "'DejaVu Sans'"},
        {"DejaVu Sans Bold Oblique", "DejaVu Sans", 700, FontSlant::Oblique, "'DejaVu Sans'"},
        {"DejaVu Sans Condensed Bold", "DejaVu Sans Condensed", 700, FontSlant::Upright,
         "'DejaVu Sans Condensed'"},
        {"DejaVu Sans ExtraLight", "DejaVu Sans", 200, FontSlant::Upright, "'DejaVu Sans'"},
        // Fonts this system lacks keep their names, but for a PostScript name's style.
        {"Helvetica-BoldOblique", "Helvetica", 700, FontSlant::Oblique, "'Helvetica', sans-serif"},
        {"Arial Black", "Arial Black", 400, FontSlant::Upright, "'Arial Black', sans-serif"},
        {"Fira Code Light", "Fira Code Light", 400, FontSlant::Upright,
         "'Fira Code Light', monospace"},
        {"Old Times-Italic", "Old Times", 400, FontSlant::Italic, "'Old Times', serif"},
        {"Quill-Gothic", "Quill-Gothic", 400, FontSlant::Upright, "'Quill-Gothic', sans-serif"},
        {"-Bold", "-Bold", 400, FontSlant::Upright, "'-Bold', sans-serif"},
        {"", "", 400, FontSlant::Upright, "sans-serif"},
    };
    for (const Row& row : rows) {
        const FontDescription font = DescribeFont(row.fullName);
        EXPECT_EQ(font.family, row.family) << row.fullName;
        EXPECT_EQ(font.weight, row.weight) << row.fullName;
        EXPECT_EQ(font.slant, row.slant) << row.fullName;
        EXPECT_EQ(CssFontFamily(font), row.fontFamily) << row.fullName;
        EXPECT_EQ(font.installed, row.fontFamily[0] == '\'' &&
                                      std::string(row.fontFamily).find(',') == std::string::npos)
            << row.fullName;
        // Read back from a file, an installed face's family, weight and slant name it again.
        if (font.installed) {
            EXPECT_EQ(FullFontName({font.family}, font.weight, font.slant), row.fullName);
        }
    }
}

TEST(FontDescription, AStyleSheetsFamiliesWeightAndSlantNameOneFace) {
    struct Row {
        std::vector<std::string> families;
        int weight;
        FontSlant slant;
        const char* fullName;
    };
    const Row rows[] = {
        {{"C059"}, 700, FontSlant::Upright, "C059 Bold"},
        {{"Nowhere Sans", "DejaVu Sans"}, 700, FontSlant::Oblique, "DejaVu Sans Bold Oblique"},
        {{"DejaVu Sans"}, 400, FontSlant::Upright, "DejaVu Sans"},
        {{"Helvetica"}, 700, FontSlant::Italic, "Helvetica-BoldItalic"},
        {{"Helvetica"}, 650, FontSlant::Upright, "Helvetica-SemiBold"},
        {{"Arial Black"}, 400, FontSlant::Upright, "Arial Black"},
        // A missing family named like a PostScript face keeps its own style words.
        {{"ComicSansMS-Bold"}, 400, FontSlant::Upright, "ComicSansMS-Bold-Regular"},
        {{"ComicSansMS-Bold"}, 700, FontSlant::Upright, "ComicSansMS-Bold-Bold"},
        {{}, 400, FontSlant::Upright, ""},
    };
    for (const Row& row : rows) {
        const std::string fullName = FullFontName(row.families, row.weight, row.slant);
        EXPECT_EQ(fullName, row.fullName);
        // A missing face is written back as the family and style it was read from.
        const FontDescription font = DescribeFont(fullName);
        if (!font.installed && !row.families.empty()) {
            EXPECT_EQ(font.family, row.families.front()) << fullName;
            EXPECT_EQ(font.weight, row.weight / 100 * 100) << fullName;
        }
    }
    EXPECT_EQ(CssFontWeight(400), "normal");
    EXPECT_EQ(CssFontWeight(700), "bold");
    EXPECT_EQ(CssFontWeight(300), "300");
    EXPECT_STREQ(CssFontStyle(FontSlant::Italic), "italic");
}

}  // namespace
}  // namespace host
