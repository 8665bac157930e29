#include "host/svg/svg_art_reader.h"

#include <cmath>

#include "host/svg/svg_document_colors.h"
#include "host/svg/svg_host_attributes.h"
#include "host/svg/svg_names.h"
#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

constexpr int kLongestReferenceChain = 16;  // gradients that borrow their stops

// The first stop colour of a gradient, following the references that lend it stops.
std::optional<Rgb> FirstStopColor(pugi::xml_node gradient, ReaderContext& context) {
    for (int i = 0; i < kLongestReferenceChain && gradient; ++i) {
        for (auto child : gradient.children()) {
            if (context.SvgName(child) != "stop") continue;
            std::string text = DeclaredValue(child, "stop-color", context);
            if (text.empty()) return Rgb{};
            if (text == "currentColor") return ParseColor(DeclaredValue(child, "color", context));
            return ParseColor(text);
        }
        auto href = context.Attribute(gradient, Namespace::XLink, "href");
        std::string_view target = href ? href.value() : gradient.attribute("href").value();
        if (target.empty() || target.front() != '#') break;
        gradient = context.FindById(std::string(target.substr(1)));
    }
    return std::nullopt;
}

// The colour a paint shows, or nullopt for no paint.
std::optional<Rgb> PaintColor(const Paint& paint, const Style& style, ReaderContext& context) {
    switch (paint.kind) {
        case Paint::Kind::None:
            return std::nullopt;
        case Paint::Kind::Color:
            return paint.color;
        case Paint::Kind::CurrentColor:
            return style.color;
        case Paint::Kind::Reference:
            break;
    }
    // The file keeps the reference; the document paints with the gradient's first colour.
    pugi::xml_node server = context.FindById(paint.reference);
    std::string_view kind = context.SvgName(server);
    if (kind == "linearGradient" || kind == "radialGradient")
        if (auto first = FirstStopColor(server, context)) return first;
    if (paint.hasFallback && !paint.fallbackNone) return paint.fallback;
    return std::nullopt;
}

struct DocumentPaint {
    bool painted = false;
    Color color;
};

// The document's paint: the exact colour the host recorded (kept even when the art is
// not painted with it), else the visible one.
DocumentPaint ReadDocumentPaint(const Paint& paint, const Style& style, const pugi::xml_node& node,
                                const char* recordName, ReaderContext& context) {
    auto visible = PaintColor(paint, style, context);
    DocumentPaint result{visible.has_value(), visible ? RgbColor(*visible) : Color()};
    if (auto record = ReadHostText(context, node, recordName)) {
        if (auto exact = ParseColorRecord(*record))
            result.color = *exact;
        else
            context.Warn(node, std::string("ignored quill:") + recordName + "=\"" + *record + "\"");
    }
    return result;
}

bool HostFlag(ReaderContext& context, const pugi::xml_node& node, const char* name) {
    auto value = ReadHostText(context, node, name);
    return value && *value == "true";
}

}  // namespace

Frame ChildFrame(const pugi::xml_node& node, const Frame& parent, ReaderContext& context) {
    // The style is copied once, by the cascade.
    Frame frame{parent.ctm, CascadeStyle(parent.style, node, parent.lengths, context),
                parent.lengths};
    frame.lengths.fontSize = frame.style.fontSize;  // the element's em
    if (auto transform = context.AttributesOf(node).transform) {
        auto m = ParseTransform(transform.value());
        if (!m) context.Fail(node, std::string("bad transform \"") + transform.value() + "\"");
        frame.ctm = parent.ctm * *m;
        if (!frame.ctm.IsFinite()) context.Fail(node, "transform out of range");
    }
    return frame;
}

void ReadArtIdentity(const pugi::xml_node& node, const Style& style, ReaderContext& context,
                     Art* art) {
    if (auto name = ReadHostText(context, node, quill_attr::kName))
        art->name = *name;
    else if (auto label = context.Attribute(node, Namespace::Inkscape, "label"))
        art->name = label.value();
    else if (!context.Declares(Namespace::Quill))  // ids that editors add to our files are no names
        art->name = context.AttributesOf(node).id.value();
    art->tags = ReadTags(context, node);
    if (auto words = ReadHostText(context, node, quill_attr::kAttributes))
        art->attributes = ParseAttributeWords(*words);
    else if (style.displayNone || !style.visible)
        art->attributes = kArtHidden;
}

PaintStyle ReadPaintStyle(const pugi::xml_node& node, const Style& style, const Matrix& ctm,
                          ReaderContext& context) {
    PaintStyle paint;
    DocumentPaint fill =
        ReadDocumentPaint(style.fill, style, node, quill_attr::kFillColor, context);
    DocumentPaint stroke =
        ReadDocumentPaint(style.stroke, style, node, quill_attr::kStrokeColor, context);
    paint.fillPaint = fill.painted;
    paint.fill = fill.color;
    paint.strokePaint = stroke.painted;
    paint.stroke = stroke.color;
    const double scale = ctm.MeanScale();
    auto points = [&](double userUnits) {
        double value = userUnits * scale;
        if (!(std::fabs(value) <= kLargestCoordinate))
            context.Fail(node, "stroke length out of range");
        return static_cast<float>(value);
    };
    paint.width = points(style.strokeWidth);
    for (double dash : style.dashes) paint.dash.push_back(points(dash));
    paint.dashOffset = points(style.dashOffset);
    paint.cap = style.cap;
    paint.join = style.join;
    paint.miterLimit = static_cast<float>(style.miterLimit);
    paint.evenOdd = style.evenOdd;
    paint.fillOverprint = HostFlag(context, node, quill_attr::kFillOverprint);
    paint.strokeOverprint = HostFlag(context, node, quill_attr::kStrokeOverprint);
    return paint;
}

Color ReadTextFill(const pugi::xml_node& node, const Style& style, ReaderContext& context) {
    DocumentPaint fill =
        ReadDocumentPaint(style.fill, style, node, quill_attr::kFillColor, context);
    return fill.painted ? fill.color : Color();
}

}  // namespace host::svg
