// Compound paths through SVG files: a path of several contours opens as one compound
// path with its fill rule, and saves as one <path> that renders with its holes.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <regex>
#include <string>

#include "host/svg/render.h"
#include "host/svg_test_files.h"

namespace host::testing {
namespace {

std::string Svg(const std::string& body) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100pt\" height=\"100pt\" "
           "viewBox=\"0 0 100 100\">" +
           body + "</svg>";
}

TEST(SvgCompound, ContoursOfOneElementBecomeOneCompoundPath) {
    struct Row {
        const char* element;
        ArtKind kind;
        std::size_t members;
        bool evenOdd;
    };
    const Row rows[] = {
        {"<path fill-rule=\"evenodd\" d=\"M0 0H10V10H0Z M2 2H8V8H2Z\"/>", ArtKind::CompoundPath, 2,
         true},
        {"<path d=\"M0 0H10V10H0Z M2 2V8H8V2Z m1 1h1v1z\"/>", ArtKind::CompoundPath, 3, false},
        {"<path style=\"fill-rule:evenodd\" d=\"M0 0L5 5M6 6L9 9\"/>", ArtKind::CompoundPath, 2,
         true},
        {"<path fill-rule=\"evenodd\" d=\"M0 0H10V10H0Z\"/>", ArtKind::Path, 0, true},
        {"<rect width=\"10\" height=\"10\"/>", ArtKind::Path, 0, false},
    };
    for (const Row& row : rows) {
        auto doc = LoadSvgText(Svg(row.element));
        const Art& art = *doc->layers()[0]->group()->children().at(0);
        EXPECT_EQ(art.kind(), row.kind) << row.element;
        EXPECT_EQ(art.children().size(), row.members) << row.element;
        EXPECT_EQ(art.style.evenOdd, row.evenOdd) << row.element;
        for (const auto& member : art.children()) {
            EXPECT_EQ(member->kind(), ArtKind::Path);
            EXPECT_EQ(member->style.evenOdd, row.evenOdd);
        }
    }
}

TEST(SvgCompound, MembersKeepTheirNamesTagsAndAnchorsThroughAFile) {
    auto doc =
        LoadSvgText(Svg("<path id=\"plate\" fill=\"#333\" d=\"M0 0H90V90H0Z M10 10 "
                        "C 20 10 30 20 30 30 L 40 30\"/>"));
    Art* compound = doc->layers()[0]->group()->children().at(0).get();
    ASSERT_EQ(compound->kind(), ArtKind::CompoundPath);
    Art* member = compound->children().at(1).get();
    member->name = "bore";
    member->SetTag("segpt1", "3");
    member->segments[1].corner = 0;          // smooth, though a handle is retracted
    member->segments.back().out = {50, 75};  // a handle SVG cannot draw at an open end
    const std::string path = TempSvgPath("saved.svg");
    std::string error;
    ASSERT_TRUE(SaveSvgDocument(*doc, path, &error)) << error;
    const std::string text = ReadTextFile(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'M'), 2) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("<path quill:name=\"plate\"[^>]*fill-rule="
                                                   "\"nonzero\"[^>]*>\\s*<quill:member")))
        << text;

    std::string warnings;
    auto again = LoadSvgDocument(path, &error, &warnings);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(warnings, "");
    const Art& read = *again->layers()[0]->group()->children().at(0);
    ASSERT_EQ(read.kind(), ArtKind::CompoundPath);
    EXPECT_EQ(read.name, "plate");
    ASSERT_EQ(read.children().size(), 2u);
    const Art& bore = *read.children()[1];
    EXPECT_EQ(bore.name, "bore");
    EXPECT_EQ(bore.tags, member->tags);
    ASSERT_EQ(bore.segments.size(), member->segments.size());
    for (std::size_t i = 0; i < bore.segments.size(); ++i) {
        EXPECT_EQ(bore.segments[i].corner, member->segments[i].corner) << i;
        EXPECT_NEAR(bore.segments[i].out.h, member->segments[i].out.h, 1e-4) << i;
        EXPECT_NEAR(bore.segments[i].out.v, member->segments[i].out.v, 1e-4) << i;
    }
    EXPECT_TRUE(read.children()[0]->name.empty());

    // Records edited out of step with the contours are left unread, with a word.
    const std::string edited = std::regex_replace(text, std::regex("<quill:member />"), "");
    auto stray = LoadSvgText(edited, &warnings);
    EXPECT_NE(warnings.find("ignored 1 member records for 2 contours"), std::string::npos)
        << warnings;
    EXPECT_TRUE(stray->layers()[0]->group()->children().at(0)->children().at(1)->name.empty());
}

// The pixel at (x, y) of a PNG is white.
bool WhiteAt(const std::string& png, int x, int y) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(png.c_str());
    std::uint32_t pixel = 0;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        const unsigned char* data = cairo_image_surface_get_data(surface);
        std::memcpy(&pixel, data + y * cairo_image_surface_get_stride(surface) + 4 * x, 4);
    }
    cairo_surface_destroy(surface);
    return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

TEST(SvgCompound, ASavedCompoundPathRendersWithItsHoles) {
    // A plate with two bores, one drawn each way round: under evenodd both are holes.
    auto doc =
        LoadSvgText(Svg("<path fill=\"black\" fill-rule=\"evenodd\" d=\"M0 0H100V100H0Z "
                        "M20 20H40V40H20Z M60 60V80H80V60Z\"/>"));
    const std::string saved = TempSvgPath("holes.svg"), png = TempSvgPath("holes.png");
    std::string error;
    ASSERT_TRUE(SaveSvgDocument(*doc, saved, &error)) << error;
    ASSERT_TRUE(RenderSvgToPng(saved, png, RenderOptions{100}, &error)) << error;
    EXPECT_TRUE(WhiteAt(png, 30, 30));
    EXPECT_TRUE(WhiteAt(png, 70, 70));
    EXPECT_FALSE(WhiteAt(png, 10, 50));
    EXPECT_FALSE(WhiteAt(png, 70, 30));
}

}  // namespace
}  // namespace host::testing
