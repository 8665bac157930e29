#include "host/svg/svg_settings.h"

#include <string>

#include "host/svg/svg_names.h"

namespace host::svg {

namespace {

bool IsSettingsElement(const pugi::xml_node& node, const ReaderContext& context) {
    if (node.type() != pugi::node_element) return false;
    for (const std::string& prefix : context.Prefixes(Namespace::Quill))
        if (node.name() == prefix + quill_attr::kSettings) return true;
    return false;
}

// White space between elements says nothing.
bool SaysSomething(const pugi::xml_node& node) {
    if (node.type() != pugi::node_pcdata) return true;
    for (const char* c = node.value(); *c; ++c)
        if (*c != ' ' && *c != '\t' && *c != '\n' && *c != '\r') return true;
    return false;
}

}  // namespace

bool TakeHostSettings(pugi::xml_node metadata, const ReaderContext& context, Document& document) {
    if (!context.Declares(Namespace::Quill)) return true;
    for (pugi::xml_node child = metadata.first_child(), next; child; child = next) {
        next = child.next_sibling();
        if (!IsSettingsElement(child, context)) continue;
        // The first one counts; a copy pasted in by hand is dropped with it.
        if (document.pluginSettings().empty()) document.SetPluginSettings(child.child_value());
        metadata.remove_child(child);
    }
    if (metadata.first_attribute()) return true;
    for (pugi::xml_node child : metadata.children())
        if (SaysSomething(child)) return true;
    return false;
}

void AppendHostSettings(pugi::xml_node root, const Document& document) {
    if (document.pluginSettings().empty()) return;
    pugi::xml_node settings =
        root.append_child("metadata")
            .append_child((std::string(kQuillPrefix) + ":" + quill_attr::kSettings).c_str());
    settings.append_child(pugi::node_pcdata).set_value(document.pluginSettings().c_str());
}

}  // namespace host::svg
