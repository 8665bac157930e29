// What other programs read in a saved drawing, beyond what this host reads back.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "host/svg/svg.h"
#include "support/temp_path.h"

namespace {

using quill::testing::TempPath;

// Under xml:space="preserve" every character between the tags of a text is drawn: the
// indentation of a pretty-printed file would add spaces to the lines and shift centred
// and right-aligned texts in every other viewer.
TEST(SvgInterop, TextsHoldNoIndentationBetweenTheirLines) {
    host::Document document;
    host::Art* text = document.NewArt(host::ArtKind::Text, kPlaceAboveAll, nullptr);
    text->text().contents = "25,4 mm\r± 0,1\rfin";
    text->text().style.justification = kCenterJustify;
    host::Art* single = document.NewArt(host::ArtKind::Text, kPlaceAboveAll, nullptr);
    single->text().contents = "  deux espaces devant";

    const std::string path = TempPath("interop_texts.svg");
    std::string error;
    ASSERT_TRUE(host::SaveSvgDocument(document, path, &error)) << error;
    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_file(path.c_str(), pugi::parse_default | pugi::parse_ws_pcdata));

    // Every character inside a text, in the order drawn, paragraph after paragraph.
    std::vector<std::string> drawn;
    for (pugi::xpath_node found : xml.select_nodes("//*[local-name()='text']")) {
        std::string characters;
        for (pugi::xml_node child : found.node().children())
            characters += child.type() == pugi::node_pcdata ? child.value() : child.child_value();
        drawn.push_back(characters);
    }
    EXPECT_EQ(drawn, (std::vector<std::string>{"25,4 mm± 0,1fin", "  deux espaces devant"}));
}

}  // namespace
