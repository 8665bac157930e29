// The attributes the reader asks every element about, sorted out in one look at the
// element's attributes rather than found by a search of their names for each.
#pragma once

#include <cstddef>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

/// An attribute of the host's namespace: which of the prefixes it has, and its name after
/// the prefix.
struct HostAttribute {
    std::size_t prefix;
    std::string_view localName;
    pugi::xml_attribute attribute;
};

/// An attribute with its name measured once.
struct NamedAttribute {
    std::string_view name;
    pugi::xml_attribute attribute;
};

/// Every attribute in its order; of each name the first, as a look-up by name finds it
/// (an empty attribute when there is none); the attributes of the host's namespace.
struct ElementAttributes {
    std::vector<NamedAttribute> all;
    pugi::xml_attribute id, transform, d;
    std::vector<HostAttribute> host;

    /// No attributes, the room kept for the next element's.
    void Clear() {
        all.clear();
        id = transform = d = pugi::xml_attribute();
        host.clear();
    }
};

/// Sorts the element's attributes into `into`; `hostPrefixes` are the "prefix:" the root
/// declares for the host's namespace.
void SortAttributes(const pugi::xml_node& node, const std::vector<std::string>& hostPrefixes,
                    ElementAttributes* into);

/// The element's first attribute named "id", or an empty attribute.
pugi::xml_attribute IdAttribute(const pugi::xml_node& node);

}  // namespace host::svg
