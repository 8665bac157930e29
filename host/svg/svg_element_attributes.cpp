#include "host/svg/svg_element_attributes.h"

#include <cstring>

namespace host::svg {

namespace {

// Most names differ from "id" at their first character: no call for those.
bool IsId(const char* name) {
    return name[0] == 'i' && name[1] == 'd' && name[2] == '\0';
}

void Keep(pugi::xml_attribute* field, const pugi::xml_attribute& attribute) {
    if (!*field) *field = attribute;
}

// Which of the prefixes starts the name, or `prefixes.size()` for none.
std::size_t HostPrefixOf(const char* name, const std::vector<std::string>& prefixes) {
    for (std::size_t p = 0; p < prefixes.size(); ++p) {
        const std::string& prefix = prefixes[p];
        // A prefix ends at the name's first colon: no other can match once one does.
        if (name[0] == prefix[0] && std::strncmp(name, prefix.data(), prefix.size()) == 0) return p;
    }
    return prefixes.size();
}

}  // namespace

void SortAttributes(const pugi::xml_node& node, const std::vector<std::string>& hostPrefixes,
                    ElementAttributes* into) {
    into->Clear();
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        into->all.push_back({name, attribute});
        const std::string_view measured = into->all.back().name;
        if (measured == "id") {
            Keep(&into->id, attribute);
        } else if (measured == "d") {
            Keep(&into->d, attribute);
        } else if (measured == "transform") {
            Keep(&into->transform, attribute);
        } else {
            const std::size_t prefix = HostPrefixOf(name, hostPrefixes);
            if (prefix < hostPrefixes.size())
                into->host.push_back({prefix, name + hostPrefixes[prefix].size(), attribute});
        }
    }
}

pugi::xml_attribute IdAttribute(const pugi::xml_node& node) {
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
         attribute = attribute.next_attribute())
        if (IsId(attribute.name())) return attribute;
    return {};
}

}  // namespace host::svg
