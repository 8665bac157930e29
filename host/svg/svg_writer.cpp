#include "host/svg/svg_writer.h"

#include "host/svg/svg_art_writer.h"
#include "host/svg/svg_host_attributes.h"
#include "host/svg/svg_names.h"
#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

void Set(pugi::xml_node node, const std::string& name, const std::string& value) {
    node.append_attribute(name.c_str()).set_value(value.c_str());
}

std::string Qualified(const char* prefix, const char* localName) {
    return std::string(prefix) + ":" + localName;
}

// Tells the progress callback, every so many pieces of art, how much is written.
struct Progress {
    const std::function<void(double)>& report;
    std::size_t total = 0, done = 0;

    void Step() {
        if (report && ++done % 4096 == 0) report(static_cast<double>(done) / total);
    }
};

void WriteLayer(pugi::xml_node root, const Layer& layer, float pageHeight, Progress& progress) {
    pugi::xml_node group = root.append_child("g");
    Set(group, Qualified(kInkscapePrefix, "groupmode"), "layer");
    // Other programs show the title; the host reads its own exact record.
    Set(group, Qualified(kInkscapePrefix, "label"),
        IsXmlSafe(layer.title) ? layer.title : PercentEscape(layer.title));
    WriteHostText(group, quill_attr::kLayer, layer.title);
    std::string state = std::string(layer.locked ? "locked" : "") +
                        (layer.locked && !layer.visible ? " " : "") +
                        (layer.visible ? "" : "hidden");
    if (!state.empty()) Set(group, Qualified(kQuillPrefix, quill_attr::kLayerState), state);
    if (layer.locked) Set(group, Qualified(kSodipodiPrefix, "insensitive"), "true");
    if (!layer.visible) Set(group, "style", "display:none");
    const AIRGBColor& c = layer.color;
    Set(group, Qualified(kQuillPrefix, quill_attr::kLayerColor),
        std::to_string(c.red) + " " + std::to_string(c.green) + " " + std::to_string(c.blue));
    Set(group, "transform", "matrix(1 0 0 -1 0 " + FormatFloat(pageHeight) + ")");
    for (const auto& art : layer.group()->children()) {
        WriteArt(group, *art);
        progress.Step();
    }
}

}  // namespace

void WriteSvgTree(const Document& document, pugi::xml_document& xml,
                  const std::function<void(double)>& report) {
    auto declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = xml.append_child("svg");
    Set(root, "xmlns", kSvgNamespace);
    Set(root, std::string("xmlns:") + kQuillPrefix, kQuillNamespace);
    Set(root, std::string("xmlns:") + kInkscapePrefix, kInkscapeNamespace);
    Set(root, std::string("xmlns:") + kSodipodiPrefix, kSodipodiNamespace);
    Set(root, "version", "1.1");
    const std::string width = FormatFloat(document.width()),
                      height = FormatFloat(document.height());
    Set(root, "width", width + "pt");
    Set(root, "height", height + "pt");
    Set(root, "viewBox", "0 0 " + width + " " + height);
    Progress progress{report};
    for (const auto& layer : document.layers()) progress.total += layer->group()->children().size();
    for (const auto& layer : document.layers())
        WriteLayer(root, *layer, document.height(), progress);
}

}  // namespace host::svg
