// Pictures of drawings: `quill render` and the function behind it.
#include <cairo.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/shared_files.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/svg/render.h"
#include "host/svg/svg.h"
#include "support/temp_path.h"

namespace {

using quill::testing::TempPath;

struct Picture {
    int width = 0, height = 0;
    int whitePixels = 0, inkedPixels = 0;  // inked: anything but white
    bool topLeftWhite = false;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row by row
};

Picture ReadPicture(const std::string& png) {
    Picture picture;
    cairo_surface_t* surface = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        picture.width = cairo_image_surface_get_width(surface);
        picture.height = cairo_image_surface_get_height(surface);
        int stride = cairo_image_surface_get_stride(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                std::uint32_t pixel;
                std::memcpy(&pixel, data + y * stride + 4 * x, 4);
                bool white = (pixel & 0xFFFFFF) == 0xFFFFFF;
                picture.whitePixels += white;
                picture.inkedPixels += !white;
                if (x == 0 && y == 0) picture.topLeftWhite = white && (pixel >> 24) == 0xFF;
                picture.pixels.push_back(pixel);
            }
    }
    cairo_surface_destroy(surface);
    return picture;
}

std::string Corpus(const char* name) {
    return quill::testing::CorpusFile(name);
}

TEST(SvgRender, FittingFramesWhatIsDrawnOffThePage) {
    // A 100 px page, and a black bar drawn 50 px below it.
    const std::string svg = TempPath("off_page.svg"), page = TempPath("off_page.png"),
                      fit = TempPath("off_fit.png");
    std::ofstream(svg) << "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>"
                          "<rect x='10' y='150' width='80' height='10'/></svg>";
    std::string error;
    ASSERT_TRUE(host::RenderSvgToPng(svg, page, host::RenderOptions{}, &error)) << error;
    const Picture pagePicture = ReadPicture(page);
    EXPECT_EQ(pagePicture.height, 100);
    EXPECT_EQ(pagePicture.inkedPixels, 0);  // the bar is off the page

    host::RenderOptions options;
    options.framing = host::RenderOptions::Framing::Everything;
    ASSERT_TRUE(host::RenderSvgToPng(svg, fit, options, &error)) << error;
    const Picture fitted = ReadPicture(fit);
    // The page and the bar, with 8 px around: 116 wide, 176 high.
    EXPECT_EQ(fitted.width, 116);
    EXPECT_EQ(fitted.height, 176);
    EXPECT_EQ(fitted.inkedPixels, 800);
    for (const std::string& file : {svg, page, fit}) std::remove(file.c_str());
}

TEST(SvgRender, DrawsOnAWhitePageAtTheDrawingsSizeOrTheWidthAsked) {
    QUILL_SKIP_WITHOUT_CORPUS();
    const std::string png = TempPath("render_lego.png");
    std::string error;
    // 272.069004 mm by 140.223684 mm: 1028.29 by 529.98 CSS pixels.
    ASSERT_TRUE(host::RenderSvgToPng(Corpus("build123d__lego.svg"), png, {}, &error)) << error;
    Picture natural = ReadPicture(png);
    EXPECT_EQ(natural.width, 1028);
    EXPECT_EQ(natural.height, 530);
    EXPECT_TRUE(natural.topLeftWhite);
    EXPECT_GT(natural.inkedPixels, 1000);  // the brick's outlines
    EXPECT_GT(natural.whitePixels, natural.width * natural.height / 2);

    ASSERT_TRUE(host::RenderSvgToPng(Corpus("build123d__lego.svg"), png, {400}, &error)) << error;
    Picture narrow = ReadPicture(png);
    EXPECT_EQ(narrow.width, 400);
    EXPECT_EQ(narrow.height, 206);  // the proportions kept
    EXPECT_GT(narrow.inkedPixels, 100);
}

TEST(SvgRender, ProblemsAreOneLineNamingTheFile) {
    QUILL_SKIP_WITHOUT_CORPUS();
    const std::string png = TempPath("render_problem.png");
    const std::string truncated = std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/truncated.svg";
    struct Case {
        std::string svg, png;
        int width;
        std::string named;
    } cases[] = {
        {truncated, png, 0, truncated},
        {Corpus("absent.svg"), png, 0, Corpus("absent.svg")},
        {Corpus("resvg__mm-values.svg"), png, host::kLargestPictureSide + 1,
         Corpus("resvg__mm-values.svg")},
        {Corpus("resvg__mm-values.svg"), "/nonexistent-folder/x.png", 0,
         "/nonexistent-folder/x.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.svg + " -> " + c.png);
        std::string error;
        EXPECT_FALSE(host::RenderSvgToPng(c.svg, c.png, {c.width}, &error));
        EXPECT_EQ(error.rfind(c.named, 0), 0u) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

// The share of pixels where some colour channel differs by more than `channelStep`.
// The share of pixels in rows [firstRow, endRow) where a channel differs by more than
// `channelStep`.
double DifferingShare(const Picture& a, const Picture& b, int channelStep, int firstRow = 0,
                      int endRow = 1 << 30) {
    if (a.pixels.size() != b.pixels.size() || a.pixels.empty()) return 1;
    endRow = std::min(endRow, a.height);
    std::size_t differing = 0;
    for (int y = firstRow; y < endRow; ++y)
        for (int x = 0; x < a.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * a.width + x;
            for (int shift : {0, 8, 16})
                if (std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                             static_cast<int>((b.pixels[i] >> shift) & 0xFF)) > channelStep) {
                    ++differing;
                    break;
                }
        }
    return static_cast<double>(differing) / (static_cast<double>(endRow - firstRow) * a.width);
}

int RunQuill(const std::string& arguments) {
    std::string command = std::string(QUILL_BINARY) + " " + arguments + " 2>/dev/null";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Gradients, a clipping path, a mask, a filter, a marker, a pattern, an image, a foreign
// object and opacities, opened, given a Segment dimension below the arrow and saved: the
// drawing is what it was above the dimension, and every definition is in the file.
TEST(SvgRender, ADimensionedDrawingLooksAsItDidOutsideItsDimension) {
    const std::string original = std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/kept_markup.svg";
    const std::string saved = TempPath("kept_markup_dimensioned.svg");
    const std::string script = TempPath("kept_markup.qs");
    // The arrow runs from (50, 250) to (250, 250) in the file: y = 50 on the page.
    std::ofstream(script) << "doc open " << original
                          << "\nstartup\ntool segment\nclick 50 50\ndown 250 50\n"
                             "drag 150 20\nup 150 20\ndoc save "
                          << saved << "\n";
    ASSERT_EQ(RunQuill("run " + script), 0);
    std::ifstream in(saved);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("inkscape:label=\"Dimensions\""), std::string::npos);
    for (const char* id : {"shade", "glow", "window", "veil", "soften", "tip", "checks", "photo",
                           "note", "metadata1", "namedview1", "arrow"})
        EXPECT_NE(text.find(std::string("id=\"") + id + "\""), std::string::npos) << id;
    const std::string originalPng = TempPath("kept_original.png");
    const std::string savedPng = TempPath("kept_saved.png");
    std::string error;
    // 400 pixels for 400 points: a pixel per unit of the file.
    ASSERT_TRUE(host::RenderSvgToPng(original, originalPng, {400}, &error)) << error;
    ASSERT_TRUE(host::RenderSvgToPng(saved, savedPng, {400}, &error)) << error;
    Picture before = ReadPicture(originalPng), after = ReadPicture(savedPng);
    ASSERT_EQ(before.height, 300);
    constexpr int kAboveTheDimension = 235;
    EXPECT_LT(DifferingShare(before, after, 26, 0, kAboveTheDimension), 0.005);
    EXPECT_GT(DifferingShare(before, after, 26, kAboveTheDimension), 0.002);  // it is drawn
}

TEST(SvgRender, QuillRenderCommand) {
    QUILL_SKIP_WITHOUT_CORPUS();
    const std::string png = TempPath("render_command.png");
    std::remove(png.c_str());
    EXPECT_EQ(
        RunQuill("render " + Corpus("fritzing__dip_8_300mil.svg") + " -o " + png + " --width 120"),
        0);
    Picture picture = ReadPicture(png);
    EXPECT_EQ(picture.width, 120);
    EXPECT_EQ(picture.height, 120);
    EXPECT_GT(picture.inkedPixels, 0);

    EXPECT_EQ(RunQuill("render " + Corpus("absent.svg") + " -o " + png), 1);
    for (const char* usage : {"render", "render a.svg", "render a.svg -o", "render -o x.png",
                              "render a.svg -o x.png --width 0", "render a.svg -o x.png --width 2x",
                              "render a.svg b.svg -o x.png"})
        EXPECT_EQ(RunQuill(usage), 2) << usage;
}

}  // namespace
