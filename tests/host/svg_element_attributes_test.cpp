// An element's id, transform, path data and host attributes, sorted out in one look, are
// what a search by name finds: the first of each name, the host's in their order.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "host/svg/svg_element_attributes.h"

namespace host::testing {
namespace {

// "name=value" of an attribute, or "-" for an empty one.
std::string Said(const pugi::xml_attribute& attribute) {
    return attribute ? std::string(attribute.name()) + "=" + attribute.value() : "-";
}

TEST(SvgElementAttributes, FindWhatALookUpByNameFinds) {
    struct Row {
        const char* element;
        const char* id;
        const char* transform;
        const char* d;
        const char* host;  // "prefix index:local name;" for each
    };
    // pugixml keeps an attribute written twice: the first is the one that counts.
    const Row kRows[] = {
        {"<path/>", "-", "-", "-", ""},
        {"<path d='M 0 0' id='a' transform='scale(2)'/>", "id=a", "transform=scale(2)", "d=M 0 0",
         ""},
        {"<path id='a' id='b' d='M 1 1' d='M 2 2'/>", "id=a", "-", "d=M 1 1", ""},
        {"<g idx='1' dx='2' transformed='3' i='4' t='5'/>", "-", "-", "-", ""},
        {"<path q:name='n' qq:tag-k='v' x:name='o' q:corners='01' q='1'/>", "-", "-", "-",
         "0:name;1:tag-k;0:corners;"},
    };
    const std::vector<std::string> prefixes{"q:", "qq:"};
    svg::ElementAttributes sorted;
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.element);
        pugi::xml_document xml;
        ASSERT_TRUE(xml.load_string(row.element));
        const pugi::xml_node node = xml.first_child();
        svg::SortAttributes(node, prefixes, &sorted);
        EXPECT_EQ(Said(sorted.id), row.id);
        EXPECT_EQ(Said(svg::IdAttribute(node)), row.id);
        EXPECT_EQ(Said(sorted.transform), row.transform);
        EXPECT_EQ(Said(sorted.d), row.d);
        std::string host;
        for (const auto& attribute : sorted.host)
            host += std::to_string(attribute.prefix) + ":" + std::string(attribute.localName) + ";";
        EXPECT_EQ(host, row.host);
    }
}

}  // namespace
}  // namespace host::testing
