// What the document does not model comes back from a save: definitions, images, metadata,
// an editor's settings and attributes, ids, opacities, where they stood.
#include <gtest/gtest.h>

#include <map>
#include <pugixml.hpp>
#include <string>

#include "host/geometry/art_matching.h"
#include "host/svg/svg_color.h"
#include "host/svg_test_files.h"

namespace host::testing {
namespace {

const std::string kKeptMarkup = std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/kept_markup.svg";

std::unique_ptr<Document> Open(const std::string& path, std::string* warnings) {
    std::string error;
    auto document = LoadSvgDocument(path, &error, warnings);
    EXPECT_TRUE(document) << error;
    return document;
}

// The saved file's elements by id, and how many elements carry each id.
struct SavedFile {
    pugi::xml_document xml;
    std::map<std::string, pugi::xml_node> byId;
    std::map<std::string, int> idCount;

    explicit SavedFile(const std::string& path) {
        EXPECT_TRUE(xml.load_file(path.c_str(), pugi::parse_default | pugi::parse_comments))
            << path;
        for (auto node : xml.select_nodes("//*[@id]")) {
            const std::string id = node.node().attribute("id").value();
            byId[id] = node.node();
            ++idCount[id];
        }
    }
    std::string Attribute(const std::string& id, const char* name) const {
        auto found = byId.find(id);
        return found == byId.end() ? "(no element)" : found->second.attribute(name).value();
    }
    std::string Name(const std::string& id) const {
        auto found = byId.find(id);
        return found == byId.end() ? "(no element)" : found->second.name();
    }
};

Art* ArtNamed(const Document& document, const std::string& name) {
    Art* found = nullptr;
    document.ForEachArt([&](Art& art) {
        if (!found && art.name == name) found = &art;
    });
    return found;
}

TEST(SvgKeep, WhatTheHostDoesNotModelIsWrittenBackWhereItStood) {
    std::string warnings;
    auto document = Open(kKeptMarkup, &warnings);
    ASSERT_TRUE(document);
    EXPECT_EQ(warnings, "");  // nothing is skipped
    const std::string path = TempSvgPath("saved.svg");
    std::string error;
    ASSERT_TRUE(SaveSvgDocument(*document, path, &error)) << error;
    SavedFile saved(path);
    const std::pair<const char*, const char*> kElements[] = {{"drawing", "svg"},
                                                             {"title1", "title"},
                                                             {"desc1", "desc"},
                                                             {"metadata1", "metadata"},
                                                             {"namedview1", "sodipodi:namedview"},
                                                             {"defs1", "defs"},
                                                             {"shade", "linearGradient"},
                                                             {"glow", "radialGradient"},
                                                             {"window", "clipPath"},
                                                             {"veil", "mask"},
                                                             {"soften", "filter"},
                                                             {"tip", "marker"},
                                                             {"checks", "pattern"},
                                                             {"layer1", "g"},
                                                             {"bar", "path"},
                                                             {"clipped", "g"},
                                                             {"clippedSquare", "path"},
                                                             {"squareTitle", "title"},
                                                             {"turned", "g"},
                                                             {"glowing", "path"},
                                                             {"masked", "path"},
                                                             {"blurred", "path"},
                                                             {"checked", "path"},
                                                             {"photo", "image"},
                                                             {"note", "foreignObject"},
                                                             {"faded", "path"},
                                                             {"unseen", "path"},
                                                             {"arrow", "path"},
                                                             {"curve", "path"},
                                                             {"curved", "text"},
                                                             {"link", "a"},
                                                             {"linked", "path"},
                                                             {"choice", "switch"},
                                                             {"private", "foreignObject"},
                                                             {"chosen", "path"},
                                                             {"fallback", "rect"}};
    for (const auto& [id, element] : kElements) {
        EXPECT_EQ(saved.idCount[id], 1) << id;
        EXPECT_EQ(saved.Name(id), element) << id;
    }
    EXPECT_EQ(saved.idCount.size(), std::size(kElements));
    // Attributes of other namespaces, references and opacities, on their elements.
    const std::tuple<const char*, const char*, const char*> kAttributes[] = {
        {"drawing", "inkscape:version", "1.2"},
        {"drawing", "xmlns:acme", "https://acme.example/ns"},
        {"layer1", "acme:owner", "studio"},
        {"bar", "acme:part", "A-12"},
        {"bar", "inkscape:label", "Bar"},
        {"bar", "fill", "url(#shade)"},
        {"clipped", "style", "clip-path:url(#window);"},
        {"glowing", "fill", "url(#glow)"},
        {"masked", "style", "mask:url(#veil);"},
        {"blurred", "style", "filter:url(#soften);"},
        {"checked", "fill", "url(#checks) #888888"},
        {"arrow", "style", "marker-end:url(#tip);"},
        {"faded", "opacity", "0.5"},
        {"faded", "fill-opacity", "0.5"},
        {"unseen", "stroke-opacity", "0"},
        {"namedview1", "inkscape:zoom", "1.5"},
        {"link", "href", "https://example.org/plate"},
        {"link", "target", "_blank"},
        {"link", "xlink:title", "Plate"},
        {"linked", "data-part", "B-7"},
        {"linked", "role", "img"},
        {"linked", "aria-label", "plate"}};
    for (const auto& [id, name, value] : kAttributes)
        EXPECT_EQ(saved.Attribute(id, name), value) << id << " " << name;
    EXPECT_EQ(std::string(saved.byId["note"].child("div").text().get()), "Note");
    EXPECT_TRUE(saved.xml.select_node("//rdf:RDF/cc:Work/dc:title"));
    // A switch offers its choices in their order; a comment stays where it stood.
    EXPECT_EQ(std::string(saved.xml.first_child().value()),
              " Kept markup: what a saved drawing must still hold ");
    EXPECT_EQ(std::string(saved.byId["private"].next_sibling().attribute("id").value()), "chosen");
    EXPECT_EQ(std::string(saved.byId["link"].previous_sibling().value()),
              " links, choices and what scripts read ");
}

// What the host does not model, and a drawing whose paint comes from a style sheet
// (kept as written), save the second time as the first.
TEST(SvgKeep, ASavedFileSavedAgainIsTheSameFile) {
    for (const std::string& drawing :
         {kKeptMarkup, std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/sheet_over_shapes.svg"}) {
        SCOPED_TRACE(drawing);
        std::string warnings, error;
        auto document = Open(drawing, &warnings);
        ASSERT_TRUE(document);
        const std::string first = TempSvgPath("first.svg"), second = TempSvgPath("second.svg");
        ASSERT_TRUE(SaveSvgDocument(*document, first, &error)) << error;
        auto reopened = Open(first, &warnings);
        ASSERT_TRUE(reopened);
        EXPECT_EQ(warnings, "");
        ASSERT_TRUE(SaveSvgDocument(*reopened, second, &error)) << error;
        EXPECT_EQ(ReadTextFile(first), ReadTextFile(second));
    }
}

TEST(SvgKeep, CopiesNeverRepeatAnIdAndMovedArtTakesItsDefinitionsAlong) {
    std::string warnings, error;
    auto document = Open(kKeptMarkup, &warnings);
    ASSERT_TRUE(document);
    Art* checked = ArtNamed(*document, "checked");
    ASSERT_TRUE(checked);
    Art* photo = nullptr;  // the image: a kept element, no art of its own
    document->ForEachArt([&](Art& art) {
        if (art.kept() && art.kept()->element.find("<image") == 0) photo = &art;
    });
    ASSERT_TRUE(photo);
    ASSERT_TRUE(document->Duplicate(*checked, kPlaceAbove, checked));
    ASSERT_TRUE(document->Duplicate(*photo, kPlaceAbove, photo));
    ASSERT_TRUE(TransformArt(*document, *photo, {1, 0, 0, 1, 5, -7}, 1, kTransformObjects));
    const std::string path = TempSvgPath("copies.svg");
    ASSERT_TRUE(SaveSvgDocument(*document, path, &error)) << error;
    SavedFile saved(path);
    for (const auto& [id, count] : saved.idCount) EXPECT_EQ(count, 1) << id;
    EXPECT_EQ(saved.Name("photo-2"), "image");  // the copy's image
    // The moved image carries the move (y upwards in the document) before its own place.
    EXPECT_EQ(saved.Attribute("photo", "transform"), "matrix(1 0 0 -1 5 293)");
    EXPECT_EQ(saved.Attribute("photo-2", "transform"), "matrix(1 0 0 -1 0 300)");
    EXPECT_EQ(saved.xml.select_nodes("//*[@fill='url(#checks) #888888']").size(), 2u);
}

// Opacity from every place SVG says it, as the art keeps it and as it is written back.
TEST(SvgKeep, OpacitiesAreKeptAndWrittenBack) {
    struct Row {
        const char* element;
        float opacity, fill, stroke;
    };
    const Row kRows[] = {
        {"<path d=\"M0 0 L 9 9\" opacity=\".25\"/>", 0.25f, 1, 1},
        {"<path d=\"M0 0 L 9 9\" style=\"opacity:40%\"/>", 0.4f, 1, 1},
        {"<path d=\"M0 0 L 9 9\" fill-opacity=\"0.5\" stroke-opacity=\"0\"/>", 1, 0.5f, 0},
        {"<path d=\"M0 0 L 9 9\" fill=\"rgba(255, 0, 0, 0.5)\"/>", 1, 0.5f, 1},
        {"<path d=\"M0 0 L 9 9\" fill=\"#ff000080\" fill-opacity=\"0.5\"/>", 1, 0.25098f, 1},
        {"<path d=\"M0 0 L 9 9\" stroke=\"hsla(120, 100%, 25%, 0.75)\"/>", 1, 1, 0.75f},
        {"<path d=\"M0 0 L 9 9\" stroke=\"rgb(0 0 0 / 20%)\"/>", 1, 1, 0.2f},
        {"<g fill-opacity=\"0.5\"><path d=\"M0 0 L 9 9\" fill-opacity=\"inherit\"/></g>", 1, 0.5f,
         1},
        {"<g opacity=\"0.5\"><path d=\"M0 0 L 9 9\"/></g>", 0.5f, 1, 1},
        {"<path d=\"M0 0 L 9 9\" opacity=\"2\"/>", 1, 1, 1},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.element);
        const std::string svg =
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">" +
            std::string(row.element) + "</svg>";
        auto document = LoadSvgText(svg);
        ASSERT_TRUE(document);
        for (int pass = 0; pass < 2; ++pass) {
            // A group's opacity is its own; its children's paint keeps theirs.
            Art* group = FirstArt(*document, ArtKind::Group);
            Art* path = FirstArt(*document, ArtKind::Path);
            ASSERT_TRUE(path);
            const KeptMarkup none;
            const KeptMarkup& g = group && group->kept() ? *group->kept() : none;
            const KeptMarkup& p = path->kept() ? *path->kept() : none;
            EXPECT_NEAR(g.opacity * p.opacity, row.opacity, 1e-5) << "pass " << pass;
            EXPECT_NEAR(p.fillOpacity, row.fill, 1e-5) << "pass " << pass;
            EXPECT_NEAR(p.strokeOpacity, row.stroke, 1e-5) << "pass " << pass;
            const std::string saved = TempSvgPath("opacity.svg");
            std::string error, warnings;
            ASSERT_TRUE(SaveSvgDocument(*document, saved, &error)) << error;
            document = LoadSvgDocument(saved, &error, &warnings);
            ASSERT_TRUE(document) << error;
        }
    }
}

TEST(SvgKeep, TextsWithoutArtAreKeptWholeAndASwitchSkipsEditorsExtensions) {
    const std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"10\" height=\"10\">"
        "<text id=\"said\">Said</text>"
        "<text id=\"again\"><tref xlink:href=\"#said\"/></text>"
        "<text id=\"along\"><tspan><textPath xlink:href=\"#line\">A</textPath></tspan></text>"
        "<switch><foreignObject requiredExtensions=\"https://editor.example/private\"/>"
        "<g id=\"drawn\"><path id=\"line\" d=\"M 0 0 L 5 5\"/></g></switch></svg>";
    std::string warnings;
    auto document = LoadSvgText(svg, &warnings);
    ASSERT_TRUE(document);
    EXPECT_EQ(warnings, "");
    std::vector<std::string> seen;
    document->ForEachArt([&](Art& art) {
        const KeptMarkup* kept = art.kept();
        seen.push_back(kept && !kept->element.empty()
                           ? kept->element.substr(0, kept->element.find('>') + 1)
                           : std::string(art.name));
    });
    const std::vector<std::string> expected{
        "said",
        "<text id=\"again\">",
        "<text id=\"along\">",
        "",
        "<foreignObject requiredExtensions=\"https://editor.example/private\"/>",
        "drawn",
        "line"};
    EXPECT_EQ(seen, expected);
    // The path a text follows is written in the user space the text draws it in.
    Art* line = ArtNamed(*document, "line");
    ASSERT_TRUE(line && line->kept());
    EXPECT_TRUE(line->kept()->hasSpace);
}

TEST(SvgKeep, ColoursWithAnAlpha) {
    struct Row {
        const char* text;
        double r, g, b, alpha;
    };
    const Row kRows[] = {
        {"rgba(255, 0, 0, 0.5)", 1, 0, 0, 0.5},  {"rgb(0% 100% 0% / 25%)", 0, 1, 0, 0.25},
        {"#0000ff80", 0, 0, 1, 128 / 255.0},     {"#f008", 1, 0, 0, 136 / 255.0},
        {"hsl(240, 100%, 50%)", 0, 0, 1, 1},     {"hsla(0deg 100% 50% / 0.3)", 1, 0, 0, 0.3},
        {"HSL(120, 100%, 75%)", 0.5, 1, 0.5, 1}, {"hsl(-120, 100%, 50%)", 0, 0, 1, 1},
        {"rgba(0, 0, 0, 7)", 0, 0, 0, 1}};
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.text);
        auto color = svg::ParseColor(row.text);
        ASSERT_TRUE(color);
        EXPECT_NEAR(color->r, row.r, 1e-9);
        EXPECT_NEAR(color->g, row.g, 1e-9);
        EXPECT_NEAR(color->b, row.b, 1e-9);
        EXPECT_NEAR(color->alpha, row.alpha, 1e-9);
    }
    for (const char* bad : {"hsl(10, 20, 30)", "hsla(10, 20%)", "rgba(1, 2, 3, x)"})
        EXPECT_FALSE(svg::ParseColor(bad)) << bad;
}

}  // namespace
}  // namespace host::testing
