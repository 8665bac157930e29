#include "host/svg/svg_text_reader.h"

#include <cmath>

#include "host/svg/svg_host_attributes.h"
#include "host/svg/svg_names.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_text_lines.h"
#include "host/svg/svg_text_losses.h"

namespace host::svg {

namespace {

constexpr int kDeepestTextNesting = 32;
constexpr double kTrackingPerEm = 1000;  // tracking is in thousandths of an em

bool IsBlank(std::string_view text) {
    return Trim(text).empty();
}

struct TextCollector {
    ReaderContext& context;
    bool preserve;  // xml:space="preserve"
    std::string text;
    int lineSpans = 0;      // tspans seen that position a line
    bool comments = false;  // a comment stood among the characters: the host drops it

    bool StartsLine(const pugi::xml_node& node) const { return svg::StartsLine(node, context); }

    void Collect(const pugi::xml_node& node, int depth) {
        if (depth > kDeepestTextNesting) return;
        for (auto child : node.children()) {
            if (child.type() == pugi::node_comment) {
                comments = true;
                continue;
            }
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                // White space that only lays out the lines of the file is no text. Under
                // xml:space="preserve" it is drawn, at the end of the line before it, where
                // it moves a centred or right-aligned line; before the first line it is
                // drawn alone, unseen.
                bool layout = IsBlank(child.value()) &&
                              (preserve ? lineSpans == 0 && StartsLine(child.next_sibling())
                                        : StartsLine(child.previous_sibling()) ||
                                              StartsLine(child.next_sibling()));
                if (!layout) text += child.value();
                continue;
            }
            std::string_view name = context.SvgName(child);
            if (name != "tspan" && name != "a" && name != "textPath") continue;
            // Each line starts a paragraph, the first one excepted.
            if (StartsLine(child) && lineSpans++ > 0) text += '\r';
            Collect(child, depth + 1);
        }
    }
};

// SVG's white space rules per paragraph: without xml:space="preserve" line breaks go,
// tabs become spaces, runs collapse and the ends are trimmed; with it, every line
// break and tab becomes a space.
std::string ArrangeSpaces(const std::string& raw, bool preserve) {
    std::string result;
    std::size_t start = 0;
    while (true) {
        std::size_t end = raw.find('\r', start);
        std::string paragraph =
            raw.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::string arranged;
        for (char c : paragraph) {
            if (c == '\n' && !preserve) continue;
            if (c == '\n' || c == '\t') c = ' ';
            if (!preserve && c == ' ' && (arranged.empty() || arranged.back() == ' ')) continue;
            arranged += c;
        }
        if (!preserve && !arranged.empty() && arranged.back() == ' ') arranged.pop_back();
        result += arranged;
        if (end == std::string::npos) break;
        result += '\r';
        start = end + 1;
    }
    return result;
}

bool PreservesSpaces(pugi::xml_node node) {
    for (; node; node = node.parent())
        if (auto space = node.attribute("xml:space"))
            return std::string_view(space.value()) == "preserve";
    return false;
}

// The first coordinate of a list attribute ("x", "y"), on the element or, when
// `orFirstSpan`, its first tspan that has one.
double FirstCoordinate(const pugi::xml_node& node, const char* attribute, LengthAxis axis,
                       const LengthContext& lengths, ReaderContext& context,
                       bool orFirstSpan = true) {
    pugi::xml_node holder = node;
    if (!node.attribute(attribute) && orFirstSpan)
        for (auto child : node.children())
            if (context.SvgName(child) == "tspan" && child.attribute(attribute)) {
                holder = child;
                break;
            }
    std::string_view list = Trim(holder.attribute(attribute).value());
    if (list.empty()) return 0;
    std::string first(list.substr(0, list.find_first_of(", \t\r\n")));
    std::string problem;
    auto value = ParseLength(first, axis, lengths, &problem);
    if (!value) context.Fail(holder, problem + " in " + attribute + "=\"" + first + "\"");
    return *value;
}

float Checked(double value, const pugi::xml_node& node, ReaderContext& context) {
    if (!(std::fabs(value) <= kLargestCoordinate)) context.Fail(node, "text position out of range");
    return static_cast<float>(value);
}

float HostReal(ReaderContext& context, const pugi::xml_node& node, const char* name,
               float fallback) {
    auto text = ReadHostText(context, node, name);
    auto value = text ? ParseNumber(*text) : std::nullopt;
    return value && std::fabs(*value) <= kLargestCoordinate ? static_cast<float>(*value) : fallback;
}

TextStyle ReadTextStyle(const pugi::xml_node& node, const Style& style, double scale,
                        ReaderContext& context) {
    TextStyle t;
    auto families = FontFamilies(style.fontFamily);
    auto font = ReadHostText(context, node, quill_attr::kFont);
    t.font = font ? *font : FullFontName(families, style.fontWeight, style.fontSlant);
    t.size = Checked(style.fontSize * scale, node, context);
    t.baselineShift = Checked(style.baselineShift * scale, node, context);
    double tracking =
        style.fontSize > 0 ? style.letterSpacing / style.fontSize * kTrackingPerEm : 0;
    tracking =
        HostReal(context, node, quill_attr::kTracking, static_cast<float>(std::round(tracking)));
    t.tracking = std::fabs(tracking) < 1e9 ? static_cast<int>(tracking) : 0;
    t.justification = style.textAnchor;
    t.firstLineIndent = HostReal(context, node, quill_attr::kFirstLineIndent, 0);
    t.startIndent = HostReal(context, node, quill_attr::kStartIndent, 0);
    t.fill = ReadTextFill(node, style, context);
    auto overprint = ReadHostText(context, node, quill_attr::kFillOverprint);
    t.fillOverprint = overprint && *overprint == "true";
    return t;
}

bool HoldsCharacters(const pugi::xml_node& node, int depth) {
    if (depth > kDeepestTextNesting) return false;
    for (auto child : node.children())
        if (child.type() == pugi::node_element
                ? HoldsCharacters(child, depth + 1)
                : child.type() != pugi::node_comment && !IsBlank(child.value()))
            return true;
    return false;
}

// The style the characters are drawn in. The host keeps one style for a whole text, so a
// text whose characters all lie in spans (as editors write a line: <text><tspan
// font-size=...>9</tspan></text>) takes the style of its first span that holds any.
Style CharacterStyle(const pugi::xml_node& node, const Frame& frame, ReaderContext& context,
                     int depth = 0) {
    if (depth > kDeepestTextNesting) return frame.style;
    pugi::xml_node firstSpan;
    for (auto child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            if (!IsBlank(child.value())) return frame.style;
            continue;
        }
        std::string_view name = context.SvgName(child);
        if (name != "tspan" && name != "a") continue;
        if (!firstSpan && HoldsCharacters(child, depth + 1)) firstSpan = child;
    }
    if (!firstSpan) return frame.style;
    Style style =
        CharacterStyle(firstSpan, ChildFrame(firstSpan, frame, context), context, depth + 1);
    // A span's baseline shift is not inherited: it moves the span from its text's own.
    style.baselineShift += frame.style.baselineShift;
    return style;
}

}  // namespace

Art* ReadText(Document& document, Art* parent, const pugi::xml_node& node, const Frame& frame,
              double outerScale, ReaderContext& context) {
    // The text's shift of its first character (dx, dy) moves the whole line with it; a
    // tspan's shifts place the next lines.
    double x = FirstCoordinate(node, "x", LengthAxis::Horizontal, frame.lengths, context) +
               FirstCoordinate(node, "dx", LengthAxis::Horizontal, frame.lengths, context, false);
    const double firstY = FirstCoordinate(node, "y", LengthAxis::Vertical, frame.lengths, context);
    double y =
        firstY + FirstCoordinate(node, "dy", LengthAxis::Vertical, frame.lengths, context, false);
    // The text's own space has y upwards: flip SVG's, then place it at (x, y).
    Matrix m = frame.ctm * Translation(x, y) * Scaling(1, -1);
    double scale = outerScale > 0 && std::isfinite(outerScale) ? outerScale : 1;
    Art* art = document.NewArt(ArtKind::Text, kPlaceInsideOnTop, parent);
    if (!art) context.Fail(node, "the text has no place in the document");
    ReadArtIdentity(node, frame.style, context, art);
    const Style used = CharacterStyle(node, frame, context);
    if (auto exact = ReadHostText(context, node, quill_attr::kContents)) {
        art->text().contents = *exact;
    } else {
        const bool preserve = PreservesSpaces(node);
        TextCollector collector{context, preserve, {}, 0, false};
        collector.Collect(node, 0);
        art->text().contents = ArrangeSpaces(collector.text, preserve);
        if (collector.comments) context.Warn(node, "skipped: a comment inside a text");
        WarnTextLosses(node, frame, used, context);
    }
    art->text().style = ReadTextStyle(node, used, scale, context);
    // The lines keep their distance; the host's own step when the file does not say.
    auto step = SecondLineStep(node, firstY, frame.lengths, context);
    const double sizes = step && frame.style.fontSize > 0 ? *step / frame.style.fontSize : 0;
    if (sizes > 0 && sizes <= kLargestCoordinate)
        art->text().style.lineStep = static_cast<float>(sizes);
    AIRealMatrix matrix{Checked(m.a / scale, node, context), Checked(m.b / scale, node, context),
                        Checked(m.c / scale, node, context), Checked(m.d / scale, node, context),
                        Checked(m.e, node, context),         Checked(m.f, node, context)};
    document.SetMatrix(art, matrix);
    return art;
}

}  // namespace host::svg
