#include "host/svg/svg_text_lines.h"

#include <string>
#include <vector>

#include "host/svg/svg_names.h"
#include "host/svg/svg_numbers.h"

namespace host::svg {

bool StartsLine(const pugi::xml_node& node, ReaderContext& context) {
    if (context.SvgName(node) != "tspan") return false;
    std::string_view role = context.Attribute(node, Namespace::Sodipodi, "role").value();
    return node.attribute("y") || node.attribute("dy") || role == "line";
}

namespace {

// The first length of a list attribute; 0 when absent, nullopt when unreadable.
std::optional<double> FirstLength(const pugi::xml_node& span, const char* attribute,
                                  const LengthContext& lengths) {
    std::string_view list = Trim(span.attribute(attribute).value());
    if (list.empty()) return 0.0;
    std::string problem;
    return ParseLength(list.substr(0, list.find_first_of(", \t\r\n")), LengthAxis::Vertical,
                       lengths, &problem);
}

}  // namespace

std::optional<double> SecondLineStep(const pugi::xml_node& text, double firstY,
                                     const LengthContext& lengths, ReaderContext& context) {
    std::vector<pugi::xml_node> lines;
    for (auto child : text.children())
        if (StartsLine(child, context) && lines.size() < 2) lines.push_back(child);
    if (lines.size() < 2) return std::nullopt;
    const pugi::xml_node& second = lines[1];
    auto y = FirstLength(second, "y", lengths);
    auto dy = FirstLength(second, "dy", lengths);
    if (!y || !dy) return std::nullopt;
    return (second.attribute("y") ? *y - firstY : 0) + *dy;
}

}  // namespace host::svg
