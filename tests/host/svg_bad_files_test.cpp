// Damaged and hostile drawings: each is refused with one line naming the file and the
// place, never a crash; and a seeded random mutation of good drawings never crashes the
// reader either (run it under the sanitizers).
#include <gtest/gtest.h>

#include "support/shared_files.h"

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "host/svg/svg.h"
#include "support/temp_path.h"

namespace {

using quill::testing::FileText;

using quill::testing::TempPath;

std::string DataPath(const std::string& name) {
    return std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/" + name;
}

struct BadFile {
    const char* name;
    const char* place;  // what the message must also name: a line, an element; "" for none
};

TEST(SvgBadFiles, RefusedWithOneLineNamingTheFileAndThePlace) {
    const BadFile kFiles[] = {
        {"malformed_tags.svg", ":5"},
        {"truncated.svg", ":5"},
        {"unknown_unit.svg", "plank"},
        {"unknown_unit_root.svg", ":2"},
        {"huge_coordinate.svg", "far"},
        {"huge_radius.svg", "sun"},
        {"huge_transform.svg", "stretched"},
        {"nan_path.svg", "nan"},
        {"garbage_path.svg", "garbage"},
        {"not_svg.svg", ":2"},
        {"empty.svg", ""},
        {"binary.svg", ""},
        {"no_such_file.svg", ""},
    };
    for (const auto& bad : kFiles) {
        SCOPED_TRACE(bad.name);
        std::string path = DataPath(bad.name), error, warnings;
        auto document = host::LoadSvgDocument(path, &error, &warnings);
        EXPECT_EQ(document, nullptr);
        EXPECT_EQ(error.rfind(path, 0), 0u) << error;  // the message starts with the file
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_GT(error.size(), path.size() + 2) << error;
        EXPECT_NE(error.find(bad.place), std::string::npos) << error;
    }
}

TEST(SvgBadFiles, ElementErrorsNameTheirLine) {
    const BadFile kLines[] = {
        {"unknown_unit.svg", ":3"},
        {"huge_coordinate.svg", ":4"},
        {"nan_path.svg", ":3"},
        {"garbage_path.svg", ":4"},
    };
    for (const auto& bad : kLines) {
        SCOPED_TRACE(bad.name);
        std::string path = DataPath(bad.name), error, warnings;
        EXPECT_EQ(host::LoadSvgDocument(path, &error, &warnings), nullptr);
        EXPECT_EQ(error.rfind(path + bad.place, 0), 0u) << error;
    }
}

// A good drawing to mutate: layers, every shape, transforms, units, text, styles, tags.
const char kSeedDrawing[] = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
     xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"
     xmlns:quill="https://quill.invalid/ns/1"
     width="210mm" height="148mm" viewBox="0 0 210 148" preserveAspectRatio="xMidYMid meet">
  <defs><symbol id="s"><rect width="5" height="5"/></symbol>
    <linearGradient id="lg"><stop offset="0"/></linearGradient></defs>
  <g inkscape:groupmode="layer" inkscape:label="Calque 1" sodipodi:insensitive="true"
     style="display:inline;stroke:#123;stroke-width:0.5">
    <path id="p" d="M10,10 h20 v5 a5 3 30 1 0 -10 5 q3 4 6 8 t4 4 c1 2 3 4 5 6 s2 2 3 3 z m5 5 l2 2"
          quill:tag-orl="jj" quill:name="trait" fill-rule="evenodd" stroke-dasharray="2 1"/>
    <rect x="5mm" y="1cm" width="20" height="10" rx="2" transform="rotate(30 10 10)"/>
    <circle cx="50%" cy="40" r="6" fill="rgb(10%, 20%, 30%)"/>
    <ellipse cx="80" cy="40" rx="6" ry="3" transform="skewX(10) skewY(-5)"/>
    <line x1="1in" y1="2pc" x2="72pt" y2="3" stroke="currentColor"/>
    <polyline points="1,2 3,4 5,6"/><polygon points="10 10 20 20 10 20"/>
    <use xlink:href="#s" x="3" y="4"/>
    <text x="20" y="30" font-family="DejaVu Sans" font-size="12" text-anchor="middle">Cote 25,4 mm</text>
  </g>
  <g inkscape:groupmode="layer" inkscape:label="Cotes" style="display:none">
    <g transform="matrix(1 0 0 -1 0 148) translate(3 4) scale(2)"><path d="M0 0L5 5"/></g>
  </g>
</svg>
)svg";

// Replaces, inserts, deletes or repeats a few bytes, or cuts the text short.
std::string Mutate(std::string text, std::mt19937& random) {
    static const std::string kAlphabet =
        std::string("<>/=\"'&;#-+.eE0123456789 ,MLCZAzmlcqa%()\n\x80\xff") + '\0';
    auto position = [&] {
        return std::uniform_int_distribution<std::size_t>(0, text.size())(random);
    };
    auto character = [&] {
        return kAlphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    kAlphabet.size() - 1)(random)];
    };
    int edits = std::uniform_int_distribution<int>(1, 6)(random);
    for (int e = 0; e < edits && !text.empty(); ++e) {
        std::size_t at = std::min(position(), text.size() - 1);
        switch (std::uniform_int_distribution<int>(0, 4)(random)) {
            case 0:
                text[at] = character();
                break;
            case 1:
                text.insert(at, 1, character());
                break;
            case 2:
                text.erase(at, std::uniform_int_distribution<std::size_t>(1, 16)(random));
                break;
            case 3:
                text.insert(at, text.substr(at, 64));
                break;
            default:
                text.resize(at);
                break;
        }
    }
    return text;
}

// A drawing as this host saves it, with every record of its own namespace: names, tags
// with awkward characters, attributes, exact colours, text features, layer states.
std::string SavedSeedDrawing() {
    host::Document document;
    host::Layer* layer = document.AddLayerOnTop("Cotes <é>");
    layer->locked = true;
    layer->visible = false;
    host::Art* path = document.NewArt(host::ArtKind::Path, kPlaceInsideOnTop, layer->group());
    document.SetSegments(path,
                         {{{0, 0}, {0, 0}, {10, 5}, false}, {{20, 0}, {15, 5}, {20, 0}, true}});
    path->name = "trait 100%";
    path->SetTag("orl", "jj");
    path->SetTag("segpt1", "0");
    path->SetTag("a b&c", "\x92\t\"");
    path->attributes = kArtLocked | kArtSelected;
    path->editStyle().fillPaint = true;
    path->editStyle().fill = host::Color{host::Color::Kind::CMYK, {0.1f, 0.2f, 0.3f, 0.4f}, 0, ""};
    path->editStyle().stroke = host::Color{host::Color::Kind::Custom, {}, 0.25f, "Bleu \"maison\""};
    path->editStyle().dash = {6, 3};
    host::Art* text = document.NewArt(host::ArtKind::Text, kPlaceAboveAll, nullptr);
    text->text().contents = "25,4 mm\r\xC2\xB1 0,1";
    text->text().style.tracking = 50;
    text->text().style.baselineShift = -4;
    text->text().style.justification = kRightJustify;
    text->text().style.fill = host::Color{host::Color::Kind::Gray, {0.5f}, 0, ""};
    const std::string file = TempPath("svg_mutation_seed.svg");
    std::string error;
    EXPECT_TRUE(host::SaveSvgDocument(document, file, &error)) << error;
    return FileText(file);
}

TEST(SvgBadFiles, RandomMutationsNeverCrashTheReader) {
    QUILL_SKIP_WITHOUT_CORPUS();
    const std::string seeds[] = {
        kSeedDrawing,
        SavedSeedDrawing(),
        FileText(quill::testing::CorpusFile("svgpathtools__groups.svg")),
        FileText(quill::testing::CorpusFile("resvg__M-A-trimmed.svg")),
    };
    std::mt19937 random(20261205);
    const std::string path = TempPath("svg_mutation.svg");
    const std::string saved = TempPath("svg_mutation_saved.svg");
    int opened = 0, refused = 0;
    for (int round = 0; round < 800; ++round) {
        const std::string& seed = seeds[round % std::size(seeds)];
        ASSERT_FALSE(seed.empty());
        std::string text = Mutate(seed, random);
        std::ofstream(path, std::ios::binary) << text;
        std::string error, warnings;
        auto document = host::LoadSvgDocument(path, &error, &warnings);
        if (!document) {
            ++refused;
            EXPECT_FALSE(error.empty()) << "round " << round;
            EXPECT_EQ(error.find('\n'), std::string::npos) << "round " << round << ": " << error;
            continue;
        }
        ++opened;
        bool finite = true;
        document->ForEachArt([&](host::Art& art) {
            for (const auto& s : art.segments)
                for (float v : {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v})
                    finite = finite && std::isfinite(v);
        });
        EXPECT_TRUE(finite) << "round " << round;
        // Whatever was read can be written and read again.
        ASSERT_TRUE(host::SaveSvgDocument(*document, saved, &error)) << error;
        EXPECT_NE(host::LoadSvgDocument(saved, &error, &warnings), nullptr)
            << "round " << round << ": " << error;
    }
    // The mutations reach both sides of the reader.
    EXPECT_GT(opened, 20);
    EXPECT_GT(refused, 20);
}

TEST(SvgBadFiles, DeepNestingIsRefusedOrRead) {
    std::string text = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">";
    const int kDepth = 20000;
    for (int i = 0; i < kDepth; ++i) text += "<g>";
    text += "<path d=\"M0 0L1 1\"/>";
    for (int i = 0; i < kDepth; ++i) text += "</g>";
    text += "</svg>";
    const std::string path = TempPath("svg_deep.svg");
    std::ofstream(path, std::ios::binary) << text;
    std::string error, warnings;
    auto document = host::LoadSvgDocument(path, &error, &warnings);
    if (!document) {
        EXPECT_EQ(error.rfind(path, 0), 0u) << error;
    }
}

}  // namespace
