// Reading drawings as vector editors write them: units, viewBox, transforms, shapes,
// layers, references, styles, texts, and the warnings about what the host skips.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "host/svg_test_files.h"

namespace host::testing {
namespace {

std::string Svg(const std::string& attributes, const std::string& body) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
           "xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" " +
           attributes + ">" + body + "</svg>";
}

std::vector<Art*> Paths(const Document& document) {
    std::vector<Art*> paths;
    document.ForEachArt([&](Art& art) {
        if (art.kind() == ArtKind::Path) paths.push_back(&art);
    });
    return paths;
}

float Width(const Art& path) {
    float low = path.segments.front().p.h, high = low;
    for (const auto& s : path.segments) low = std::min(low, s.p.h), high = std::max(high, s.p.h);
    return high - low;
}

TEST(SvgImport, EveryUnitOfALength) {
    struct Row {
        const char* width;
        float points;
    };
    // The page is 480 px wide in user units of px (0.75 pt); the font is 10 px.
    const Row rows[] = {{"96", 72},     {"96px", 72}, {"1in", 72},    {"2.54cm", 72},
                        {"25.4mm", 72}, {"72pt", 72}, {"6pc", 72},    {"10em", 75},
                        {"10ex", 37.5}, {"50%", 180}, {"101.6q", 72}, {"1IN", 72}};
    for (const auto& row : rows) {
        auto doc = LoadSvgText(Svg("width=\"480px\" height=\"360px\"",
                                   std::string("<g font-size=\"10\"><rect width=\"") + row.width +
                                       "\" height=\"1\"/></g>"));
        ASSERT_TRUE(doc) << row.width;
        EXPECT_NEAR(doc->width(), 360, 1e-4);
        Art* rect = FirstArt(*doc, ArtKind::Path);
        ASSERT_TRUE(rect) << row.width;
        EXPECT_NEAR(Width(*rect), row.points, 1e-3) << row.width;
    }
}

TEST(SvgImport, ViewBoxWithPreserveAspectRatio) {
    struct Row {
        const char* aspect;
        float left, top;  // where the viewBox's corner (-50, -100) lands, in points
    };
    // A 200 × 100 px page showing a 200 × 200 viewBox: scaled by a half (0.375 pt per unit).
    const Row rows[] = {
        {"xMinYMin", 0, 75}, {"xMidYMid", 37.5, 75}, {"xMaxYMax", 75, 75}, {"", 37.5, 75}};
    for (const auto& row : rows) {
        auto doc =
            LoadSvgText(Svg(std::string("width=\"200\" height=\"100\" viewBox=\"-50 -100 200 200\" "
                                        "preserveAspectRatio=\"") +
                                row.aspect + "\"",
                            "<rect x=\"-50\" y=\"-100\" width=\"20\" height=\"20\"/>"));
        ASSERT_TRUE(doc);
        Art* rect = FirstArt(*doc, ArtKind::Path);
        ASSERT_TRUE(rect);
        EXPECT_NEAR(rect->segments[0].p.h, row.left, 1e-4) << row.aspect;
        EXPECT_NEAR(rect->segments[0].p.v, row.top, 1e-4) << row.aspect;
        EXPECT_NEAR(Width(*rect), 7.5, 1e-4) << row.aspect;
    }
    auto stretched = LoadSvgText(
        Svg("width=\"200\" height=\"100\" viewBox=\"0 0 100 100\" preserveAspectRatio=\"none\"",
            "<rect width=\"100\" height=\"100\"/>"));
    EXPECT_NEAR(Width(*FirstArt(*stretched, ArtKind::Path)), 150, 1e-4);
}

TEST(SvgImport, NestedTransformsAreBakedIntoTheGeometry) {
    // In a 100 × 100 px page (75 pt): translate, then rotate a quarter turn about (10, 0).
    auto doc = LoadSvgText(Svg("width=\"100\" height=\"100\"",
                               "<g transform=\"translate(20 30)\"><g transform=\"rotate(90 10 0)\">"
                               "<path d=\"M 10 0 L 20 0\" transform=\"scale(1 2)\"/></g></g>"));
    ASSERT_TRUE(doc);
    Art* path = FirstArt(*doc, ArtKind::Path);
    ASSERT_TRUE(path);
    // (20, 0) → rotate about (10, 0) → (10, 10) → translate → (30, 40) px.
    EXPECT_NEAR(path->segments[0].p.h, 30 * 0.75f, 1e-4);
    EXPECT_NEAR(path->segments[0].p.v, 75 - 30 * 0.75f, 1e-4);
    EXPECT_NEAR(path->segments[1].p.h, 30 * 0.75f, 1e-4);
    EXPECT_NEAR(path->segments[1].p.v, 75 - 40 * 0.75f, 1e-4);
}

TEST(SvgImport, BasicShapesHaveTheirAnchors) {
    struct Row {
        const char* element;
        std::size_t anchors;
        bool closed;
    };
    const Row rows[] = {
        {"<rect x=\"0\" y=\"0\" width=\"10\" height=\"5\"/>", 4, true},
        {"<rect width=\"10\" height=\"6\" rx=\"2\"/>", 8, true},
        {"<rect width=\"10\" height=\"6\" rx=\"5\" ry=\"3\"/>", 4, true},  // all corner, no sides
        {"<circle cx=\"5\" cy=\"5\" r=\"4\"/>", 4, true},
        {"<ellipse cx=\"5\" cy=\"5\" rx=\"4\" ry=\"2\"/>", 4, true},
        {"<line x1=\"0\" y1=\"0\" x2=\"3\" y2=\"4\"/>", 2, false},
        {"<polyline points=\"0,0 1,1 2,0\"/>", 3, false},
        {"<polygon points=\"0 0 1 1 2 0\"/>", 3, true},
        {"<rect width=\"0\" height=\"5\"/>", 0, false},
        {"<circle r=\"0\"/>", 0, false},
    };
    for (const auto& row : rows) {
        auto doc = LoadSvgText(Svg("width=\"100\" height=\"100\"", row.element));
        ASSERT_TRUE(doc);
        Art* path = FirstArt(*doc, ArtKind::Path);
        if (row.anchors == 0) {
            EXPECT_FALSE(path) << row.element;
            continue;
        }
        ASSERT_TRUE(path) << row.element;
        EXPECT_EQ(path->segments.size(), row.anchors) << row.element;
        EXPECT_EQ(path->closed, row.closed) << row.element;
    }
    // A circle's anchors are smooth and its handles the usual quarter-circle length.
    auto doc = LoadSvgText(Svg("width=\"100\" height=\"100\" viewBox=\"0 0 100 100\"",
                               "<circle cx=\"50\" cy=\"50\" r=\"10\"/>"));
    Art* circle = FirstArt(*doc, ArtKind::Path);
    for (const auto& s : circle->segments) EXPECT_FALSE(s.corner);
    const auto& s0 = circle->segments[0];
    EXPECT_NEAR(std::hypot(s0.out.h - s0.p.h, s0.out.v - s0.p.v), 7.5f * 0.5522848f, 1e-4);
}

TEST(SvgImport, LayersWithTitlesAndStates) {
    std::string body =
        "<title>ignored</title>"
        "<g inkscape:groupmode=\"layer\" inkscape:label=\"Base\" id=\"layer1\"><rect width=\"5\" "
        "height=\"5\"/></g>"
        "<path d=\"M0 0 L 1 1\"/>"
        "<g inkscape:groupmode=\"layer\" id=\"layer2\" sodipodi:insensitive=\"true\"/>"
        "<g inkscape:groupmode=\"layer\" inkscape:label=\"Caché\" style=\"display:none\"><circle "
        "r=\"3\"/></g>"
        "<g inkscape:groupmode=\"layer\" inkscape:label=\"Top\" sodipodi:insensitive=\"true\"/>";
    auto doc = LoadSvgText(Svg("width=\"100\" height=\"100\"", body));
    ASSERT_TRUE(doc);
    const auto& layers = doc->layers();
    ASSERT_EQ(layers.size(), 5u);
    struct Expected {
        const char* title;
        bool locked, visible;
        std::size_t art;
    };
    const Expected expected[] = {{"Base", false, true, 1},
                                 {"Calque 1", false, true, 1},
                                 {"layer2", true, true, 0},
                                 {"Caché", false, false, 1},
                                 {"Top", true, true, 0}};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        EXPECT_EQ(layers[i]->title, expected[i].title);
        EXPECT_EQ(layers[i]->locked, expected[i].locked) << expected[i].title;
        EXPECT_EQ(layers[i]->visible, expected[i].visible) << expected[i].title;
        EXPECT_EQ(layers[i]->group()->children().size(), expected[i].art) << expected[i].title;
    }
    // The topmost layer that takes new art is current.
    EXPECT_EQ(doc->currentLayer()->title, "Calque 1");
    // Hidden art in a hidden layer keeps its own attributes.
    EXPECT_EQ(layers[3]->group()->children()[0]->attributes, 0);
}

TEST(SvgImport, UseSymbolAndDefsAreResolved) {
    std::string body =
        "<defs><rect id=\"box\" width=\"10\" height=\"10\" fill=\"red\"/>"
        "<symbol id=\"mark\" viewBox=\"0 0 2 2\"><circle cx=\"1\" cy=\"1\" "
        "r=\"1\"/></symbol></defs>"
        "<use xlink:href=\"#box\" x=\"20\" y=\"0\"/>"
        "<use href=\"#mark\" x=\"40\" y=\"0\" width=\"20\" height=\"20\"/>"
        "<use id=\"lost\" xlink:href=\"#nothing\"/>"
        "<g id=\"loop\"><use xlink:href=\"#loop\"/></g>";
    std::string warnings;
    auto doc =
        LoadSvgText(Svg("width=\"100\" height=\"100\" viewBox=\"0 0 100 100\"", body), &warnings);
    ASSERT_TRUE(doc);
    auto paths = [&] {
        std::vector<Art*> found;
        doc->ForEachArt([&](Art& a) {
            if (a.kind() == ArtKind::Path) found.push_back(&a);
        });
        return found;
    }();
    ASSERT_EQ(paths.size(), 2u);  // the definitions themselves draw nothing
    EXPECT_NEAR(paths[0]->segments[0].p.h, 20 * 0.75f, 1e-4);
    EXPECT_EQ(paths[0]->style().fill.v[0], 1.0f);     // red from the definition
    EXPECT_NEAR(Width(*paths[1]), 20 * 0.75f, 1e-3);  // the symbol's 2 units fill 20
    EXPECT_NE(warnings.find("<use id=\"lost\">: skipped: reference \"#nothing\" not found"),
              std::string::npos)
        << warnings;
    EXPECT_NE(warnings.find("refers to itself"), std::string::npos) << warnings;
}

TEST(SvgImport, PaintFromAttributesStylesAndGroups) {
    std::string body =
        "<g stroke=\"blue\" stroke-width=\"2\" fill=\"none\" color=\"#0f0\" "
        "style=\"stroke-linecap:round\">"
        "<path d=\"M0 0 L 10 0\"/>"
        "<path d=\"M0 0 L 10 0\" stroke=\"rgb(255, 0, 0)\" "
        "style=\"stroke:currentColor;stroke-linejoin:bevel\"/>"
        "<path d=\"M0 0 L 10 0\" fill=\"#800000\" stroke-dasharray=\"3 1 2\" "
        "stroke-miterlimit=\"8\"/>"
        "<g transform=\"scale(3)\"><path d=\"M0 0 L 10 0\" stroke=\"inherit\" "
        "fill=\"inherit\"/></g>"
        "<path d=\"M0 0 L 10 0\" stroke=\"none\" fill-rule=\"evenodd\" fill=\"rgb(50%, 100%, "
        "0%)\"/>"
        "</g>";
    auto doc = LoadSvgText(Svg("width=\"100\" height=\"100\" viewBox=\"0 0 100 100\"", body));
    auto paths = Paths(*doc);
    ASSERT_EQ(paths.size(), 5u);
    const PaintStyle& a = paths[0]->style();
    EXPECT_TRUE(a.strokePaint);
    EXPECT_FALSE(a.fillPaint);
    EXPECT_EQ(a.stroke.kind, Color::Kind::RGB);
    EXPECT_EQ(a.stroke.v[2], 1.0f);
    EXPECT_FLOAT_EQ(a.width, 1.5f);  // 2 px
    EXPECT_EQ(a.cap, kAIRoundCap);
    EXPECT_EQ(a.join, kAIMiterJoin);
    const PaintStyle& b = paths[1]->style();
    EXPECT_EQ(b.stroke.v[1], 1.0f);  // currentColor, the style over the attribute
    EXPECT_EQ(b.stroke.v[0], 0.0f);
    EXPECT_EQ(b.join, kAIBevelJoin);
    const PaintStyle& c = paths[2]->style();
    EXPECT_TRUE(c.fillPaint);
    EXPECT_FLOAT_EQ(c.fill.v[0], 128 / 255.0f);
    ASSERT_EQ(c.dash.size(), 6u);  // an odd list is repeated
    EXPECT_FLOAT_EQ(c.dash[2], 1.5f);
    EXPECT_FLOAT_EQ(c.miterLimit, 8);
    EXPECT_FLOAT_EQ(paths[3]->style().width, 4.5f);  // the inherited 2 px under scale(3)
    const PaintStyle& e = paths[4]->style();
    EXPECT_FALSE(e.strokePaint);
    EXPECT_TRUE(e.evenOdd);
    EXPECT_FLOAT_EQ(e.fill.v[0], 0.5f);
}

// Paths that paint alike share one style, each changed on its own; alike means to the bit.
TEST(SvgImport, PathsThatPaintAlikeShareOneStyleUntilOneChanges) {
    auto doc = LoadSvgText(Svg("width=\"10\" height=\"10\"",
                               "<path d=\"M0 0H5\" stroke=\"red\"/><path d=\"M0 1H5\" "
                               "stroke=\"red\"/><path d=\"M0 2H5\" stroke=\"blue\"/>"));
    ASSERT_TRUE(doc);
    const auto paths = Paths(*doc);
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(&paths[0]->style(), &paths[1]->style());
    EXPECT_NE(&paths[1]->style(), &paths[2]->style());
    paths[1]->editStyle().width = 7;
    EXPECT_FLOAT_EQ(paths[0]->style().width, 0.75f);
    EXPECT_FLOAT_EQ(paths[1]->style().width, 7);
    EXPECT_FLOAT_EQ(Art(0, ArtKind::Path).style().width, 1);  // the defaults stay as they are
    PaintStyle negativeZero;
    negativeZero.dashOffset = -0.0f;
    EXPECT_FALSE(IdenticalStyle(negativeZero, PaintStyle{}));
    EXPECT_TRUE(IdenticalStyle(paths[0]->style(), paths[0]->style()));
}

// Renderers take "0.35 px" for no length at all and keep the inherited width.
TEST(SvgImport, ALengthWhoseUnitStandsApartIsIgnored) {
    std::string warnings;
    auto doc = LoadSvgText(Svg("width=\"100\" height=\"100\" viewBox=\"0 0 100 100\"",
                               "<g stroke-width=\"3\"><path d=\"M0 0 L 10 0\" stroke=\"red\" "
                               "stroke-width=\"0.35 px\"/><path d=\"M0 0 L 10 0\" stroke=\"red\" "
                               "stroke-width=\" 0.35px \"/></g>"),
                           &warnings);
    auto paths = Paths(*doc);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_FLOAT_EQ(paths[0]->style().width, 2.25f);  // 3 px
    EXPECT_FLOAT_EQ(paths[1]->style().width, 0.2625f);
    EXPECT_NE(warnings.find("ignored stroke-width=\"0.35 px\""), std::string::npos) << warnings;
}

// Which elements are kept and written back where they stood is the keep tests'; here an
// element no renderer knows, kept without a word, and paint from a gradient.
TEST(SvgImport, ElementsWithoutArtAreKeptWithoutAWord) {
    std::string body =
        "<defs><linearGradient id=\"shade\"><stop offset=\"0\" "
        "stop-color=\"#00ff00\"/></linearGradient></defs>"
        "<rect id=\"a\" width=\"5\" height=\"5\" fill=\"url(#shade)\"/><blink id=\"odd\"/>";
    std::string warnings;
    auto doc = LoadSvgText(Svg("width=\"100\" height=\"100\"", body), &warnings);
    ASSERT_TRUE(doc);
    EXPECT_EQ(warnings, "");
    const auto& art = doc->layers()[0]->group()->children();
    ASSERT_EQ(art.size(), 2u);
    ASSERT_TRUE(art[1]->kept());
    EXPECT_EQ(art[1]->kept()->element.rfind("<blink", 0), 0u);
    EXPECT_EQ(art[0]->style().fill.v[1], 1.0f);  // the gradient's first colour
}

TEST(SvgImport, TextsAsPointTexts) {
    std::string body =
        "<g transform=\"scale(2)\" font-family=\"'DejaVu Sans', sans-serif\" font-size=\"6\">"
        "<text id=\"label\" x=\"10\" y=\"20\" text-anchor=\"middle\" fill=\"red\">  Hello\n   "
        "world </text>"
        "<text x=\"0\" y=\"40\"><tspan x=\"0\" y=\"40\">One</tspan>\n  <tspan x=\"0\" "
        "dy=\"8\">Two</tspan></text>"
        // Its characters all in one span: the text is drawn in the span's style.
        "<text x=\"0\" y=\"60\">\n <tspan font-size=\"10\" font-weight=\"bold\">9</tspan></text>"
        "</g>";
    auto doc = LoadSvgText(Svg("width=\"100\" height=\"100\" viewBox=\"0 0 100 100\"", body));
    std::vector<Art*> texts;
    doc->ForEachArt([&](Art& a) {
        if (a.kind() == ArtKind::Text) texts.push_back(&a);
    });
    ASSERT_EQ(texts.size(), 3u);
    const Art& label = *texts[0];
    EXPECT_EQ(label.name, "label");
    EXPECT_EQ(label.text().contents, "Hello world");
    EXPECT_EQ(label.text().style.font, "DejaVu Sans");
    EXPECT_FLOAT_EQ(label.text().style.size, 9);  // 6 user units × 2 × 0.75 pt
    EXPECT_EQ(label.text().style.justification, kCenterJustify);
    EXPECT_EQ(label.text().style.fill.v[0], 1.0f);
    EXPECT_NEAR(label.text().matrix.tx, 15, 1e-4);
    EXPECT_NEAR(label.text().matrix.ty, 75 - 30, 1e-4);
    EXPECT_NEAR(label.text().matrix.a, 1, 1e-6);  // the scale went into the size
    EXPECT_NEAR(label.text().matrix.d, 1, 1e-6);
    EXPECT_EQ(texts[1]->text().contents, "One\rTwo");
    EXPECT_FLOAT_EQ(texts[1]->text().style.size, 9);
    EXPECT_FLOAT_EQ(texts[2]->text().style.size, 15);
    EXPECT_EQ(texts[2]->text().style.font, "DejaVu Sans Bold");
}

TEST(SvgImport, AFileOfTheHostEditedElsewhere) {
    // Another prefix for the host's namespace, ids and labels an editor added, a tag kept.
    std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:q=\"https://quill.invalid/ns/1\" "
        "xmlns:ink=\"http://www.inkscape.org/namespaces/inkscape\" width=\"100pt\" "
        "height=\"100pt\" "
        "viewBox=\"0 0 100 100\"><g q:layer=\"Cotes\" q:layer-state=\"locked\" id=\"layer7\">"
        "<path id=\"path12\" q:tag-segpt1=\"3\" d=\"M 0 0 L 1 1\"/>"
        "<path id=\"path13\" ink:label=\"Renamed\" d=\"M 0 0 L 1 1\"/></g></svg>";
    auto doc = LoadSvgText(svg);
    ASSERT_EQ(doc->layers().size(), 1u);
    EXPECT_EQ(doc->layers()[0]->title, "Cotes");
    EXPECT_TRUE(doc->layers()[0]->locked);
    auto paths = Paths(*doc);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0]->name, "");
    ASSERT_TRUE(paths[0]->FindTag("segpt1"));
    EXPECT_EQ(*paths[0]->FindTag("segpt1"), "3");
    EXPECT_EQ(paths[1]->name, "Renamed");
}

TEST(SvgImport, SizeFollowsTheViewBoxOrTheDefaultPage) {
    struct Row {
        const char* attributes;
        float width, height;
    };
    const Row rows[] = {
        {"viewBox=\"0 0 400 200\"", 300, 150},
        {"width=\"100%\" height=\"100%\" viewBox=\"0 0 400 200\"", 300, 150},
        {"width=\"40pt\" viewBox=\"0 0 400 200\"", 40, 20},
        {"", 595.28f, 841.89f},
    };
    for (const auto& row : rows) {
        auto doc = LoadSvgText(Svg(row.attributes, ""));
        ASSERT_TRUE(doc) << row.attributes;
        EXPECT_NEAR(doc->width(), row.width, 1e-3) << row.attributes;
        EXPECT_NEAR(doc->height(), row.height, 1e-3) << row.attributes;
    }
}

}  // namespace
}  // namespace host::testing
