// Pictures of drawings: `quill render` and the function behind it.
#include <cairo.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include "support/shared_files.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <string>

#include "host/svg/render.h"
#include "host/svg/svg.h"
#include "support/temp_path.h"

namespace {

using quill::testing::TempPath;

struct Picture {
    int width = 0, height = 0;
    int whitePixels = 0, inkedPixels = 0;  // inked: anything but white
    bool topLeftWhite = false;
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

int RunQuill(const std::string& arguments) {
    std::string command = std::string(QUILL_BINARY) + " " + arguments + " 2>/dev/null";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
