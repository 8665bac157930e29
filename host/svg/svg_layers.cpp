#include "host/svg/svg_layers.h"

#include <cmath>

#include "host/svg/svg_host_attributes.h"
#include "host/svg/svg_names.h"
#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

constexpr const char* kStrayLayerTitle = "Calque 1";
constexpr double kLargestColorComponent = 65535;

bool HasWord(const std::string& words, const std::string& word) {
    std::size_t at = 0;
    while ((at = words.find(word, at)) != std::string::npos) {
        bool starts = at == 0 || words[at - 1] == ' ';
        bool ends = at + word.size() == words.size() || words[at + word.size()] == ' ';
        if (starts && ends) return true;
        at += word.size();
    }
    return false;
}

// "R G B" with 16-bit components; nullopt when malformed.
std::optional<AIRGBColor> ParseLayerColor(const std::string& text) {
    auto values = ParseNumberList(text);
    if (!values || values->size() != 3) return std::nullopt;
    std::uint16_t c[3];
    for (int i = 0; i < 3; ++i) {
        double v = (*values)[static_cast<std::size_t>(i)];
        if (!(v >= 0 && v <= kLargestColorComponent) || v != std::floor(v)) return std::nullopt;
        c[i] = static_cast<std::uint16_t>(v);
    }
    return AIRGBColor{c[0], c[1], c[2]};
}

}  // namespace

bool IsLayerGroup(const pugi::xml_node& node, ReaderContext& context) {
    if (context.SvgName(node) != "g") return false;
    if (ReadHostText(context, node, quill_attr::kLayer)) return true;
    return std::string_view(context.Attribute(node, Namespace::Inkscape, "groupmode").value()) ==
           "layer";
}

LayerBuilder::LayerBuilder(Document& document, ReaderContext& context)
    : document_(document), context_(context), initial_(document.layers().front().get()) {}

Layer* LayerBuilder::NextLayer(const std::string& title) {
    Layer* layer = initialUsed_ ? document_.AddLayerOnTop(title) : initial_;
    initialUsed_ = true;
    layer->title = title;
    return layer;
}

Layer* LayerBuilder::NewLayer(const pugi::xml_node& group, const Style& style) {
    std::string title;
    if (auto recorded = ReadHostText(context_, group, quill_attr::kLayer))
        title = *recorded;
    else if (auto label = context_.Attribute(group, Namespace::Inkscape, "label"))
        title = label.value();
    else
        title = group.attribute("id").value();
    Layer* layer = NextLayer(title);
    std::string state = ReadHostText(context_, group, quill_attr::kLayerState).value_or("");
    std::string insensitive = context_.Attribute(group, Namespace::Sodipodi, "insensitive").value();
    layer->locked = HasWord(state, "locked") ||
                    (!insensitive.empty() && insensitive != "false" && insensitive != "0");
    layer->visible = !(HasWord(state, "hidden") || style.displayNone);
    if (auto color = ReadHostText(context_, group, quill_attr::kLayerColor)) {
        auto rgb = ParseLayerColor(*color);
        if (rgb)
            layer->color = *rgb;
        else
            context_.Warn(group, "ignored quill:layer-color=\"" + *color + "\"");
    }
    return layer;
}

Layer* LayerBuilder::StrayLayer() {
    if (!stray_) stray_ = NextLayer(kStrayLayerTitle);
    return stray_;
}

void LayerBuilder::Finish() {
    if (stray_ && stray_->group()->children().empty() && document_.layers().size() > 1)
        document_.RemoveLayer(stray_);
    stray_ = nullptr;
    const auto& layers = document_.layers();
    Layer* current = layers.back().get();
    for (auto it = layers.rbegin(); it != layers.rend(); ++it)
        if (!(*it)->locked && (*it)->visible) {
            current = it->get();
            break;
        }
    document_.SetCurrentLayer(current);
}

}  // namespace host::svg
