#include "host/svg/svg_writer.h"

#include <cstring>

#include "host/svg/svg_art_writer.h"
#include "host/svg/svg_host_attributes.h"
#include "host/svg/svg_inline_style.h"
#include "host/svg/svg_names.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_settings.h"
#include "host/svg/xml_text_writer.h"

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

// The user space the layer's art is written in: the document's, or the one the file's
// layer group had when references are drawn in it.
Matrix LayerSpace(const Layer& layer) {
    return OwnSpace(*layer.group(), Matrix());
}

// The layer's group without its art.
void SetLayerGroup(pugi::xml_node group, const Layer& layer, float pageHeight,
                   const WriteSpace& space) {
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
    if (IsIdentity(space.toDocument)) {
        Set(group, "transform", "matrix(1 0 0 -1 0 " + FormatFloat(pageHeight) + ")");
    } else {
        const Matrix page = Matrix{1, 0, 0, -1, 0, pageHeight} * space.toDocument;
        Set(group, "transform", RelativeTransform(Matrix(), page));
    }
    if (const KeptMarkup* kept = layer.group()->kept())
        WriteKeptAttributes(group, *kept, false, *space.ids);
    if (space.styleInline) WriteStyleInline(group, ArtKind::Group);
}

// The declaration and the root element without its layers.
pugi::xml_node SetRoot(pugi::xml_document& xml, const Document& document) {
    auto declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    const std::string& prologue = document.prologue();
    xml.append_buffer(prologue.data(), prologue.size(), pugi::parse_default | pugi::parse_comments,
                      pugi::encoding_utf8);
    pugi::xml_node root = xml.append_child("svg");
    Set(root, "xmlns", kSvgNamespace);
    Set(root, std::string("xmlns:") + kQuillPrefix, kQuillNamespace);
    Set(root, std::string("xmlns:") + kInkscapePrefix, kInkscapeNamespace);
    Set(root, std::string("xmlns:") + kSodipodiPrefix, kSodipodiNamespace);
    Set(root, std::string("xmlns:") + kXLinkPrefix, kXLinkNamespace);
    Set(root, "version", "1.1");
    const std::string width = FormatFloat(document.width()),
                      height = FormatFloat(document.height());
    Set(root, "width", width + "pt");
    Set(root, "height", height + "pt");
    Set(root, "viewBox", "0 0 " + width + " " + height);
    for (const auto& [name, value] : document.kept().attributes)
        if (!root.attribute(name.c_str())) Set(root, name, value);
    return root;
}

std::size_t TopArtCount(const Document& document) {
    std::size_t count = 0;
    for (const auto& layer : document.layers()) count += layer->group()->children().size();
    return count;
}

constexpr const char* kIndent = "  ";
constexpr unsigned kFormat = pugi::format_default;
// An element no drawing holds, given to a node for the time its start is printed.
constexpr const char* kMark = "quill-mark";

// What `print` writes before the children of `parent`, as it writes it when the
// children are elements: `parent` is given one for the time it takes. Values are
// escaped, so the mark's "<" can only be its own.
template <class Print>
void WriteBeforeChildren(pugi::xml_node parent, Print&& print, pugi::xml_writer& out) {
    pugi::xml_node mark = parent.append_child(kMark);
    XmlTextWriter text;
    print(text);
    parent.remove_child(mark);
    const std::size_t at = text.text.rfind('\n', text.text.find(std::string("<") + kMark));
    out.write(text.text.data(), at + 1);
}

void Write(pugi::xml_writer& out, const char* text) {
    out.write(text, std::strlen(text));
}

}  // namespace

void WriteSvgTree(const Document& document, pugi::xml_document& xml,
                  const std::function<void(double)>& report) {
    pugi::xml_node root = SetRoot(xml, document);
    WrittenIds ids;
    AppendKeptMarkup(root, document.kept().element, ids);
    AppendHostSettings(root, document);
    Progress progress{report, TopArtCount(document)};
    for (const auto& layer : document.layers()) {
        pugi::xml_node group = root.append_child("g");
        const WriteSpace space{LayerSpace(*layer), &ids, document.keepsStyleSheets()};
        SetLayerGroup(group, *layer, document.height(), space);
        for (const auto& art : layer->group()->children()) {
            WriteArt(group, *art, space);
            progress.Step();
        }
    }
}

void WriteSvg(const Document& document, pugi::xml_writer& out,
              const std::function<void(double)>& report) {
    pugi::xml_document xml;
    pugi::xml_node root = SetRoot(xml, document);
    WrittenIds ids;
    // What stood beside the layers comes first, printed with the root's start.
    AppendKeptMarkup(root, document.kept().element, ids);
    AppendHostSettings(root, document);
    WriteBeforeChildren(
        root, [&](XmlTextWriter& text) { xml.save(text, kIndent, kFormat, pugi::encoding_utf8); },
        out);
    Progress progress{report, TopArtCount(document)};
    for (const auto& layer : document.layers()) {
        pugi::xml_node group = root.append_child("g");
        const WriteSpace space{LayerSpace(*layer), &ids, document.keepsStyleSheets()};
        SetLayerGroup(group, *layer, document.height(), space);
        const auto& arts = layer->group()->children();
        auto print = [&](pugi::xml_node node, unsigned depth, pugi::xml_writer& to) {
            node.print(to, kIndent, kFormat, pugi::encoding_utf8, depth);
        };
        if (arts.empty()) {
            print(group, 1, out);
        } else {
            WriteBeforeChildren(
                group, [&](XmlTextWriter& text) { print(group, 1, text); }, out);
            for (const auto& art : arts) {
                WriteArt(group, *art, space);
                print(group.first_child(), 2, out);
                group.remove_child(group.first_child());
                progress.Step();
            }
            Write(out, "  </g>\n");
        }
        root.remove_child(group);
    }
    Write(out, "</svg>\n");
}

}  // namespace host::svg
