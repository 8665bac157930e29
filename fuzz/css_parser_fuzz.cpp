// Any bytes as a style sheet: read into rules, their selectors read, and every rule matched
// against every element of a small drawing; nothing faults and the cascade's promises hold.
#include <cstddef>
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "host/svg/css_cascade.h"
#include "host/svg/css_parser.h"
#include "host/svg/css_selector.h"

namespace {

constexpr const char* kDrawing =
    "<svg xmlns='http://www.w3.org/2000/svg' id='root'><defs><style/></defs>"
    "<g id='logo' class='brand dark' data-kind='hole-left' lang='en'>"
    "<rect id='a' class='st0 big'/><path class='st1'/><circle/></g>"
    "<a href='#logo'><text class='label'>x</text></a><g><g><path id='deep'/></g></g></svg>";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace host::svg;
    using quill::fuzz::Broken;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CssSheet sheet = ParseCssSheet(text);
    for (const auto& problem : sheet.problems)
        if (problem.offset > size) Broken("a problem beyond the text: " + problem.message);
    RuleSet rules;
    for (auto& rule : sheet.rules)
        if (auto selectors = ParseSelectorList(rule.selectors))
            rules.Add(std::move(*selectors), std::move(rule.declarations));
    static pugi::xml_document document;
    static const bool loaded = document.load_string(kDrawing);
    if (!loaded) Broken("the drawing does not load");
    std::vector<pugi::xml_node> elements;
    document.find_node([&](const pugi::xml_node& node) {
        if (node.type() == pugi::node_element) elements.push_back(node);
        return false;
    });
    for (const auto& element : elements) {
        std::vector<SheetDeclaration> normal, important;
        rules.Match(element, &normal, &important);
        for (const auto& d : normal)
            if (d.important || d.name.empty())
                Broken("an important or nameless normal declaration");
        for (const auto& d : important)
            if (!d.important) Broken("a normal declaration among the important ones");
    }
    return 0;
}
