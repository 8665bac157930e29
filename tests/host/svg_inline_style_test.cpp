// A drawing that keeps a style sheet is saved with the host's properties in `style=""`,
// every one said, and reads back to the same drawing.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "host/svg/svg_inline_style.h"
#include "host/svg_test_files.h"

namespace host::testing {
namespace {

TEST(SvgInlineStyle, WrittenPropertiesMoveIntoStyleAndTheRestAreSaid) {
    struct Row {
        ArtKind kind;
        const char* element;
        const char* style;
    };
    const Row kRows[] = {
        {ArtKind::Group, "<g/>", "opacity:1;"},
        {ArtKind::Group, "<g opacity='0.5' style='clip-path:url(#c);'/>",
         "opacity:0.5;clip-path:url(#c);"},
        {ArtKind::Group, "<g display='none'/>", "display:none;opacity:1;"},
        {ArtKind::Path, "<path fill='url(#g) none' stroke='#ff0000' stroke-width='2'/>",
         "fill:url(#g) none;fill-rule:nonzero;stroke:#ff0000;stroke-width:2;"
         "stroke-linecap:butt;stroke-linejoin:miter;stroke-miterlimit:4;stroke-dasharray:none;"
         "stroke-dashoffset:0;opacity:1;fill-opacity:1;stroke-opacity:1;"},
        {ArtKind::Text, "<text font-family=\"'C059'\" font-size='12' letter-spacing='0.5'/>",
         "font-family:'C059';font-size:12px;font-weight:normal;font-style:normal;"
         "text-anchor:start;letter-spacing:0.5px;baseline-shift:0;fill:#000000;stroke:none;"
         "opacity:1;fill-opacity:1;"},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.element);
        pugi::xml_document xml;
        ASSERT_TRUE(xml.load_string(row.element));
        pugi::xml_node node = xml.first_child();
        svg::WriteStyleInline(node, row.kind);
        EXPECT_EQ(std::string(node.attribute("style").value()), row.style);
        // Nothing the host wrote is left as a presentation attribute.
        EXPECT_EQ(std::distance(node.attributes_begin(), node.attributes_end()), 1);
    }
}

// A drawing with a sheet keeps it (and is saved twice the same: SvgKeep); one without
// has none to keep.
TEST(SvgInlineStyle, OnlyADrawingWithASheetKeepsIt) {
    std::string error, warnings;
    auto document = LoadSvgDocument(
        std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/sheet_over_shapes.svg", &error, &warnings);
    ASSERT_TRUE(document) << error;
    EXPECT_TRUE(document->keepsStyleSheets());
    EXPECT_FALSE(LoadSvgText("<svg xmlns='http://www.w3.org/2000/svg'/>")->keepsStyleSheets());
}

}  // namespace
}  // namespace host::testing
