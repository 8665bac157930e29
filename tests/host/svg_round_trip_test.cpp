// A document saved as SVG and opened again is the same document: layers and their
// states, art in stacking order, geometry, paint, names, tags, attributes and texts.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>

#include "host/svg/svg_writer.h"
#include "host/svg_test_files.h"

namespace host::testing {
namespace {

constexpr float kGeometryTolerance = 1e-4f;

Color MakeColor(Color::Kind kind, std::initializer_list<float> v, std::string name = "",
                float tint = 0) {
    Color c;
    c.kind = kind;
    std::copy(v.begin(), v.end(), c.v);
    c.customName = std::move(name);
    c.tint = tint;
    return c;
}

AIPathSegment Corner(float x, float y) {
    return {{x, y}, {x, y}, {x, y}, 1};
}

Art* AddPath(Document& doc, Art* parent, std::vector<AIPathSegment> segments, bool closed) {
    Art* path = doc.NewArt(ArtKind::Path, kPlaceInsideOnTop, parent);
    doc.SetSegments(path, std::move(segments));
    doc.SetClosed(path, closed);
    return path;
}

// Every kind of art and every feature the file has to keep.
std::unique_ptr<Document> RichDocument() {
    auto doc = std::make_unique<Document>(612.5f, 791.3f);
    Layer* base = doc->layers()[0].get();
    base->title = "Calque 1";
    base->color = AIRGBColor{1, 2, 65535};
    Layer* dims = doc->AddLayerOnTop("Cotes & «mesures»");
    Layer* locked = doc->AddLayerOnTop("Verrouillé");
    locked->locked = true;
    Layer* hidden = doc->AddLayerOnTop("");
    hidden->visible = false;
    hidden->locked = true;

    Art* curve = AddPath(*doc, base->group(),
                         {{{10.1f, 20.2f}, {10.1f, 20.2f}, {30.3f, 40.4f}, 1},
                          {{50.5f, 60.6f}, {45.5f, 55.5f}, {55.5f, 65.7f}, 0},
                          {{1e-7f, -3.3e4f}, {0.3f, 0.1f}, {1e-7f, -3.3e4f}, 1}},
                         false);
    curve->name = "courbe";
    curve->editStyle().strokePaint = true;
    curve->editStyle().stroke = MakeColor(Color::Kind::CMYK, {0.1f, 0.2f, 0.3f, 0.4f});
    curve->editStyle().fillPaint = false;
    curve->editStyle().fill =
        MakeColor(Color::Kind::RGB, {0.25f, 0.5f, 1});  // kept while unpainted
    curve->editStyle().width = 0.353f;
    curve->editStyle().dash = {2.5f, 1.25f};
    curve->editStyle().dashOffset = 0.5f;
    curve->editStyle().cap = kAIRoundCap;
    curve->editStyle().join = kAIBevelJoin;
    curve->editStyle().miterLimit = 10;
    curve->SetTag("segpt1", "0");
    curve->SetTag("num 1", "\x92quoted\x92 \xB5m");  // Windows-1252 bytes
    curve->SetTag("ctl", "a\x01z\tb\nc\rd");
    curve->attributes = kArtSelected | kArtLocked;

    Art* closed = AddPath(*doc, base->group(),
                          {Corner(0, 0), Corner(100, 0), Corner(100, 50), Corner(0, 0)}, true);
    closed->editStyle().fillPaint = true;
    closed->editStyle().fill = MakeColor(Color::Kind::Gray, {0.35f});
    closed->editStyle().strokePaint = true;
    closed->editStyle().stroke = MakeColor(Color::Kind::Custom, {}, "Bleu PANTONE 300", 0.4f);
    closed->editStyle().evenOdd = true;
    closed->editStyle().fillOverprint = true;
    closed->editStyle().strokeOverprint = true;
    closed->attributes = kArtHidden;
    // Smooth-looking handles that the user made a corner.
    AddPath(*doc, base->group(), {{{0, 0}, {-1, 0}, {1, 0}, 1}, {{5, 5}, {4, 5}, {6, 5}, 0}},
            false);
    AddPath(*doc, base->group(), {Corner(7, 7)}, false);  // one anchor
    AddPath(*doc, base->group(), {}, false)->name = "vide";

    Art* group = doc->NewArt(ArtKind::Group, kPlaceInsideOnTop, dims->group());
    group->name = "Segment oblique";
    group->SetTag("orl", "jj");
    Art* inner = doc->NewArt(ArtKind::Group, kPlaceInsideOnTop, group);
    inner->name = "Bézier partage";
    Art* line = AddPath(*doc, inner, {Corner(1.5f, 2.5f), Corner(3.5f, 4.5f)}, false);
    line->SetTag("orl", "jj");
    line->SetTag("mods", "jj");
    line->SetTag("red", "jj");
    line->editStyle().stroke = MakeColor(Color::Kind::RGB, {1, 0, 0});
    line->editStyle().strokePaint = true;

    Art* label = doc->NewArt(ArtKind::Text, kPlaceInsideOnTop, group);
    label->text().contents = "25,4 mm ± 0,1";
    doc->SetMatrix(label, AIRealMatrix{0.8660254f, 0.5f, -0.5f, 0.8660254f, 120.25f, 300.75f});
    label->text().style.font = "DejaVu Sans Bold";
    label->text().style.size = 11.5f;
    label->text().style.baselineShift = -3.8333333f;
    label->text().style.tracking = 25;
    label->text().style.justification = kCenterJustify;
    label->text().style.fill = MakeColor(Color::Kind::RGB, {0.1f, 0.2f, 0.3f});
    label->text().style.fillOverprint = true;
    label->SetTag("orl", "jj");

    Art* notes = doc->NewArt(ArtKind::Text, kPlaceInsideOnTop, locked->group());
    notes->text().contents = "Longueur totale\r\r  L = 12 cm \rtab\there\nnew";
    doc->SetMatrix(notes, AIRealMatrix{1, 0, 0, 1, 5, 6});
    notes->text().style.font = "Font, with 'quotes'";
    notes->text().style.justification = kRightJustify;
    notes->text().style.firstLineIndent = 2;
    notes->text().style.startIndent = 3;
    notes->text().style.fill = MakeColor(Color::Kind::None, {});
    notes->name = std::string("bad \xFF utf8");

    AddPath(*doc, hidden->group(), {Corner(1, 1), Corner(2, 2)}, false);
    return doc;
}

void ExpectSameColor(const Color& a, const Color& b, const std::string& where) {
    EXPECT_TRUE(a == b) << where << ": kind " << static_cast<int>(a.kind) << " vs "
                        << static_cast<int>(b.kind) << ", " << a.v[0] << " vs " << b.v[0];
}

void ExpectSameArt(const Art& a, const Art& b, const std::string& where);

void ExpectSameChildren(const Art& a, const Art& b, const std::string& where) {
    ASSERT_EQ(a.children().size(), b.children().size()) << where;
    for (std::size_t i = 0; i < a.children().size(); ++i)
        ExpectSameArt(*a.children()[i], *b.children()[i], where + "/" + std::to_string(i));
}

void ExpectSamePath(const Art& a, const Art& b, const std::string& where) {
    EXPECT_EQ(a.closed, b.closed) << where;
    ASSERT_EQ(a.segments.size(), b.segments.size()) << where;
    for (std::size_t i = 0; i < a.segments.size(); ++i) {
        const AIPathSegment &s = a.segments[i], &t = b.segments[i];
        for (auto [p, q] : {std::pair{s.p, t.p}, {s.in, t.in}, {s.out, t.out}}) {
            EXPECT_NEAR(p.h, q.h, kGeometryTolerance) << where << " segment " << i;
            EXPECT_NEAR(p.v, q.v, kGeometryTolerance) << where << " segment " << i;
        }
        EXPECT_EQ(s.corner, t.corner) << where << " segment " << i;
    }
    const PaintStyle &x = a.style(), &y = b.style();
    EXPECT_EQ(x.fillPaint, y.fillPaint) << where;
    EXPECT_EQ(x.strokePaint, y.strokePaint) << where;
    if (x.fillPaint || x.fill.kind != Color::Kind::None)
        ExpectSameColor(x.fill, y.fill, where + " fill");
    if (x.strokePaint || x.stroke.kind != Color::Kind::None)
        ExpectSameColor(x.stroke, y.stroke, where + " stroke");
    EXPECT_EQ(x.width, y.width) << where;
    EXPECT_EQ(x.dash, y.dash) << where;
    EXPECT_EQ(x.dashOffset, y.dashOffset) << where;
    EXPECT_EQ(x.cap, y.cap) << where;
    EXPECT_EQ(x.join, y.join) << where;
    EXPECT_EQ(x.miterLimit, y.miterLimit) << where;
    EXPECT_EQ(x.evenOdd, y.evenOdd) << where;
    EXPECT_EQ(x.fillOverprint, y.fillOverprint) << where;
    EXPECT_EQ(x.strokeOverprint, y.strokeOverprint) << where;
}

void ExpectSameText(const Art& a, const Art& b, const std::string& where) {
    EXPECT_EQ(a.text().contents, b.text().contents) << where;
    const AIRealMatrix &m = a.text().matrix, &n = b.text().matrix;
    for (auto [u, v] :
         {std::pair{m.a, n.a}, {m.b, n.b}, {m.c, n.c}, {m.d, n.d}, {m.tx, n.tx}, {m.ty, n.ty}})
        EXPECT_NEAR(u, v, kGeometryTolerance) << where;
    const TextStyle &s = a.text().style, &t = b.text().style;
    EXPECT_EQ(s.font, t.font) << where;
    EXPECT_EQ(s.size, t.size) << where;
    EXPECT_EQ(s.baselineShift, t.baselineShift) << where;
    EXPECT_EQ(s.tracking, t.tracking) << where;
    EXPECT_EQ(s.justification, t.justification) << where;
    EXPECT_EQ(s.firstLineIndent, t.firstLineIndent) << where;
    EXPECT_EQ(s.startIndent, t.startIndent) << where;
    ExpectSameColor(s.fill, t.fill, where + " text fill");
    EXPECT_EQ(s.fillOverprint, t.fillOverprint) << where;
}

void ExpectSameArt(const Art& a, const Art& b, const std::string& where) {
    ASSERT_EQ(a.kind(), b.kind()) << where;
    EXPECT_EQ(a.name, b.name) << where;
    EXPECT_EQ(a.tags, b.tags) << where;
    EXPECT_EQ(a.attributes, b.attributes) << where;
    switch (a.kind()) {
        case ArtKind::Group:
            return ExpectSameChildren(a, b, where);
        case ArtKind::Path:
            return ExpectSamePath(a, b, where);
        case ArtKind::Text:
            return ExpectSameText(a, b, where);
        case ArtKind::CompoundPath:
            EXPECT_EQ(a.style().evenOdd, b.style().evenOdd) << where;
            return ExpectSameChildren(a, b, where);
    }
}

void ExpectSameDocument(const Document& a, const Document& b) {
    EXPECT_EQ(a.width(), b.width());
    EXPECT_EQ(a.height(), b.height());
    ASSERT_EQ(a.layers().size(), b.layers().size());
    for (std::size_t i = 0; i < a.layers().size(); ++i) {
        const Layer &x = *a.layers()[i], &y = *b.layers()[i];
        EXPECT_EQ(x.title, y.title);
        EXPECT_EQ(x.locked, y.locked) << x.title;
        EXPECT_EQ(x.visible, y.visible) << x.title;
        EXPECT_EQ(x.color.red, y.color.red) << x.title;
        EXPECT_EQ(x.color.green, y.color.green) << x.title;
        EXPECT_EQ(x.color.blue, y.color.blue) << x.title;
        ExpectSameChildren(*x.group(), *y.group(), "layer " + x.title);
    }
}

std::unique_ptr<Document> SaveAndOpen(const Document& document, std::string* warnings = nullptr) {
    const std::string path = TempSvgPath("saved.svg");
    std::string error;
    EXPECT_TRUE(SaveSvgDocument(document, path, &error)) << error;
    std::string ignored;
    auto reopened = LoadSvgDocument(path, &error, warnings ? warnings : &ignored);
    EXPECT_TRUE(reopened) << error;
    return reopened;
}

TEST(SvgRoundTrip, SavedAndOpenedIsTheSameDocument) {
    auto original = RichDocument();
    std::string warnings;
    auto reopened = SaveAndOpen(*original, &warnings);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(warnings, "");
    ExpectSameDocument(*original, *reopened);
    // A second round changes nothing more.
    auto again = SaveAndOpen(*reopened);
    ASSERT_TRUE(again);
    ExpectSameDocument(*original, *again);
}

TEST(SvgRoundTrip, TheFileIsTheDocumentTreeAsSaved) {
    // Written a piece of art at a time, with empty, locked and hidden layers and texts.
    auto doc = RichDocument();
    doc->AddLayerOnTop("vide");
    pugi::xml_document tree;
    svg::WriteSvgTree(*doc, tree);
    std::ostringstream saved;
    tree.save(saved, "  ", pugi::format_default, pugi::encoding_utf8);
    const std::string path = TempSvgPath("streamed.svg");
    std::string error;
    ASSERT_TRUE(SaveSvgDocument(*doc, path, &error)) << error;
    EXPECT_EQ(ReadTextFile(path), saved.str());
}

TEST(SvgRoundTrip, ArtAsDeepAsAFileMayNestItComesBackFromASave) {
    // 255 groups around a path outside any layer: read, it is saved inside a layer, and
    // reads back whole.
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">";
    for (int i = 0; i < 255; ++i) svg += "<g>";
    svg += "<path d=\"M 0 0 L 10 10\"/>";
    for (int i = 0; i < 255; ++i) svg += "</g>";
    svg += "</svg>";
    std::string warnings;
    auto read = LoadSvgText(svg, &warnings);
    ASSERT_TRUE(read);
    EXPECT_EQ(warnings, "");
    auto reopened = SaveAndOpen(*read, &warnings);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(warnings, "");
    EXPECT_NE(FirstArt(*reopened, ArtKind::Path), nullptr);

    // One group more would not come back: it is skipped, with a warning, when read.
    svg.insert(svg.find("<g>"), "<g>");
    svg.insert(svg.rfind("</g>"), "</g>");
    auto deeper = LoadSvgText(svg, &warnings);
    ASSERT_TRUE(deeper);
    EXPECT_NE(warnings.find("skipped: groups nested more than 255 deep"), std::string::npos);
}

TEST(SvgRoundTrip, APathLongerThanItsCountsCanSayIsSkippedWithAWarning) {
    // The path suite counts anchors in 16 bits: 32,768 anchors would read back as junk.
    std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">"
        "<path d=\"M 0 0";
    for (int i = 1; i < 32768; ++i)
        svg += " L " + std::to_string(i % 100) + " " + std::to_string(i % 7);
    svg += "\"/><path d=\"M 0 0 L 10 10\"/></svg>";
    std::string warnings;
    auto read = LoadSvgText(svg, &warnings);
    ASSERT_TRUE(read);
    EXPECT_NE(warnings.find("skipped: a path of more than 32767 anchors"), std::string::npos)
        << warnings;
    const Art* kept = FirstArt(*read, ArtKind::Path);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->segments.size(), 2u);
}

// Larger than the writer's buffer: the file written, read in its own buffer and written
// again is the same, byte for byte; a folder or a missing file is refused with its name.
TEST(SvgRoundTrip, ALargeDrawingComesBackByteForByte) {
    Document doc(3000, 3000);
    std::mt19937 random(3);
    std::uniform_real_distribution<float> at(0, 3000), step(-20, 20);
    for (int p = 0; p < 4000; ++p) {
        std::vector<AIPathSegment> segments;
        AIRealPoint point{at(random), at(random)};
        for (int i = 0; i < 10; ++i) {
            AIPathSegment s{point, {point.h + step(random), point.v}, point, random() % 2 == 0};
            segments.push_back(s);
            point = {point.h + step(random), point.v + step(random)};
        }
        AddPath(doc, doc.layers()[0]->group(), segments, p % 3 == 0);
    }
    const std::string first = TempSvgPath("first.svg"), second = TempSvgPath("second.svg");
    std::string error, warnings;
    ASSERT_TRUE(SaveSvgDocument(doc, first, &error)) << error;
    EXPECT_GT(ReadTextFile(first).size(), std::size_t{1} << 21);
    auto read = LoadSvgDocument(first, &error, &warnings);
    ASSERT_NE(read, nullptr) << error;
    ASSERT_TRUE(SaveSvgDocument(*read, second, &error)) << error;
    EXPECT_TRUE(ReadTextFile(first) == ReadTextFile(second));

    // Opening gives back the text it has read as it goes, but not an element with an id,
    // nor what it holds: each in the middle is still there, whole, for a use at the end.
    std::string text = ReadTextFile(first);
    std::size_t middle = 0;
    for (int p = 0; p < 2000; ++p) middle = text.find("<path", middle + 1);
    text.insert(middle,
                "<path id=\"early\" d=\"M 1 2 L 3 4\"/><g id=\"wrap\"><path "
                "d=\"M 5 6 L 7 8\"/><g><path d=\"M 9 6 L 7 8\"/></g><path d=\"M 0 0 "
                "L 1 1\"/></g>");
    text.insert(text.rfind("</g>"), "<use href=\"#early\" x=\"100\"/><use href=\"#wrap\"/>");
    auto used = LoadSvgText(text);
    ASSERT_TRUE(used);
    const auto& layer = used->layers()[0]->group()->children();
    ASSERT_EQ(layer.size(), 4004u);
    const Art* early = layer[layer.size() - 2].get();
    ASSERT_EQ(early->children().size(), 1u);
    EXPECT_EQ(early->children()[0]->segments[0].p.h, 101.0f);
    const Art* wrap = layer.back()->children()[0].get();
    ASSERT_EQ(wrap->children().size(), 3u);
    EXPECT_EQ(wrap->children()[1]->children()[0]->segments[0].p.h, 9.0f);

    EXPECT_EQ(LoadSvgDocument(::testing::TempDir(), &error, &warnings), nullptr);
    EXPECT_EQ(error.rfind(::testing::TempDir() + ":", 0), 0u) << error;
    EXPECT_EQ(LoadSvgDocument(first + ".missing", &error, &warnings), nullptr);
    EXPECT_EQ(error, first + ".missing: cannot open: No such file or directory");
}

}  // namespace
}  // namespace host::testing
