#include "host/svg/svg_style.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "host/svg/css_cascade.h"
#include "host/svg/svg_numbers.h"
#include "sdk/sdk.h"

namespace host::svg {

namespace {

struct Property;

struct Declaration {
    std::string_view name, value;
    bool important = false;
    const Property* property = nullptr;  // how the host reads it, found once
};

// Where a declaration is read: its element, the inherited style, the lengths.
struct Environment {
    const Style& parent;
    LengthContext lengths;
    ReaderContext& context;
    const pugi::xml_node& node;
};

using Applier = bool (*)(Style&, std::string_view, Environment&);

// "0.35 px": in a property a length is one word, and renderers ignore this one.
bool UnitStandsApart(std::string_view value) {
    const std::string_view text = Trim(value);
    NumberScanner scanner(text);
    if (!scanner.ReadNumber() || scanner.AtEnd()) return false;
    const char before = text[scanner.position() - 1];
    return before == ' ' || before == '\t' || before == '\r' || before == '\n' || before == ',';
}

double Length(std::string_view value, LengthAxis axis, Environment& env, bool* ok) {
    if (UnitStandsApart(value)) {
        *ok = false;
        return 0;
    }
    std::string problem;
    auto length = ParseLength(value, axis, env.lengths, &problem);
    if (length) return *length;
    // A number with a unit nobody knows is a broken file; other text is ignored.
    if (problem.compare(0, 7, "unknown") == 0)
        env.context.Fail(env.node, problem + " in \"" + std::string(value) + "\"");
    *ok = false;
    return 0;
}

template <class T>
bool Keyword(std::string_view value, std::initializer_list<std::pair<const char*, T>> table,
             T* out) {
    for (const auto& [word, result] : table)
        if (value == word) return *out = result, true;
    return false;
}

// A weight, or one relative to the inherited weight as CSS steps it.
bool ApplyFontWeight(Style& s, std::string_view v, Environment&) {
    constexpr int kLightest = 1, kHeaviest = 1000;
    if (v == "bolder")
        return s.fontWeight = s.fontWeight < 400 ? 400 : s.fontWeight < 600 ? 700 : 900, true;
    if (v == "lighter")
        return s.fontWeight = s.fontWeight < 600 ? 100 : s.fontWeight < 800 ? 400 : 700, true;
    if (Keyword<int>(v, {{"normal", 400}, {"bold", 700}}, &s.fontWeight)) return true;
    auto weight = ParseNumber(v);
    if (!weight || *weight < kLightest || *weight > kHeaviest) return false;
    s.fontWeight = static_cast<int>(*weight);
    return true;
}

bool ApplyPaint(Paint* target, std::string_view value) {
    auto paint = ParsePaint(value);
    if (paint) *target = *paint;
    return paint.has_value();
}

bool ApplyDashes(Style& s, std::string_view value, Environment& env) {
    if (value == "none") return s.dashes.clear(), true;
    std::vector<double> dashes;
    NumberScanner scanner(value);
    scanner.SkipSpaces();
    while (!scanner.AtEnd()) {
        std::string_view rest = scanner.Rest();
        std::size_t end = rest.find_first_of(", \t\r\n");
        std::string_view item = rest.substr(0, end);
        bool ok = true;
        double dash = Length(item, LengthAxis::Other, env, &ok);
        if (!ok || dash < 0) return false;
        dashes.push_back(dash);
        for (std::size_t i = 0; i < item.size(); ++i) scanner.Advance();
        scanner.SkipSeparators();
    }
    // An odd list is repeated to make it even; a list of zeros draws a solid line.
    if (dashes.size() % 2 == 1) dashes.insert(dashes.end(), dashes.begin(), dashes.end());
    bool allZero = true;
    for (double d : dashes) allZero = allZero && d == 0;
    s.dashes = allZero ? std::vector<double>() : dashes;
    return true;
}

bool ApplyFontSize(Style& s, std::string_view value, Environment& env) {
    static const std::pair<const char*, double> keywords[] = {
        {"xx-small", 9}, {"x-small", 10}, {"small", 13},   {"medium", 16},
        {"large", 18},   {"x-large", 24}, {"xx-large", 32}};
    for (const auto& [word, size] : keywords)
        if (value == word) return s.fontSize = size, true;
    if (value == "larger") return s.fontSize = env.parent.fontSize * 1.2, true;
    if (value == "smaller") return s.fontSize = env.parent.fontSize / 1.2, true;
    LengthContext relative = env.lengths;
    relative.fontSize = env.parent.fontSize;
    relative.viewportWidth = relative.viewportHeight = env.parent.fontSize;  // % of the parent's
    std::string problem;
    auto size = ParseLength(value, LengthAxis::Horizontal, relative, &problem);
    if (!size && problem.compare(0, 7, "unknown") == 0)
        env.context.Fail(env.node, problem + " in \"" + std::string(value) + "\"");
    if (!size || *size < 0) return false;
    s.fontSize = *size;
    return true;
}

bool ApplyBaselineShift(Style& s, std::string_view value, Environment& env) {
    constexpr double kSubSuperShift = 1.0 / 3.0;  // of the font size
    if (value == "baseline") return s.baselineShift = 0, true;
    if (value == "super") return s.baselineShift = s.fontSize * kSubSuperShift, true;
    if (value == "sub") return s.baselineShift = -s.fontSize * kSubSuperShift, true;
    // A percentage is of the font size here, not of the viewport.
    LengthContext relative = env.lengths;
    relative.viewportWidth = s.fontSize;
    std::string problem;
    auto shift = ParseLength(value, LengthAxis::Horizontal, relative, &problem);
    if (!shift && problem.compare(0, 7, "unknown") == 0)
        env.context.Fail(env.node, problem + " in \"" + std::string(value) + "\"");
    if (shift) s.baselineShift = *shift;
    return shift.has_value();
}

// A number or a percentage, clamped to 0..1.
bool ApplyOpacity(double* target, std::string_view value) {
    NumberScanner scanner(value);
    auto number = scanner.ReadNumber();
    if (!number) return false;
    if (scanner.Peek() == '%') scanner.Advance(), *number /= 100;
    if (!scanner.AtEnd() || !std::isfinite(*number)) return false;
    *target = std::clamp(*number, 0.0, 1.0);
    return true;
}

struct Property {
    std::string_view name;  // its length known: compared to every attribute's name
    Applier apply;
};

const Property kProperties[] = {
    {"fill", [](Style& s, std::string_view v, Environment&) { return ApplyPaint(&s.fill, v); }},
    {"stroke", [](Style& s, std::string_view v, Environment&) { return ApplyPaint(&s.stroke, v); }},
    {"color",
     [](Style& s, std::string_view v, Environment&) {
         auto c = ParseColor(v);
         if (c) s.color = *c;
         return c.has_value();
     }},
    {"stroke-width",
     [](Style& s, std::string_view v, Environment& e) {
         bool ok = true;
         double w = Length(v, LengthAxis::Other, e, &ok);
         if (ok && w >= 0) s.strokeWidth = w;
         return ok && w >= 0;
     }},
    {"stroke-linecap",
     [](Style& s, std::string_view v, Environment&) {
         return Keyword<int>(
             v, {{"butt", kAIButtCap}, {"round", kAIRoundCap}, {"square", kAIProjectingCap}},
             &s.cap);
     }},
    {"stroke-linejoin",
     [](Style& s, std::string_view v, Environment&) {
         return Keyword<int>(v,
                             {{"miter", kAIMiterJoin},
                              {"miter-clip", kAIMiterJoin},
                              {"arcs", kAIMiterJoin},
                              {"round", kAIRoundJoin},
                              {"bevel", kAIBevelJoin}},
                             &s.join);
     }},
    {"stroke-miterlimit",
     [](Style& s, std::string_view v, Environment&) {
         auto m = ParseNumber(v);
         if (m && *m >= 1 && *m <= kLargestCoordinate) s.miterLimit = *m;
         return m && *m >= 1 && *m <= kLargestCoordinate;
     }},
    {"stroke-dasharray", ApplyDashes},
    {"stroke-dashoffset",
     [](Style& s, std::string_view v, Environment& e) {
         bool ok = true;
         double offset = Length(v, LengthAxis::Other, e, &ok);
         if (ok) s.dashOffset = offset;
         return ok;
     }},
    {"fill-rule",
     [](Style& s, std::string_view v, Environment&) {
         return Keyword<bool>(v, {{"nonzero", false}, {"evenodd", true}}, &s.evenOdd);
     }},
    {"visibility",
     [](Style& s, std::string_view v, Environment&) {
         return Keyword<bool>(v, {{"visible", true}, {"hidden", false}, {"collapse", false}},
                              &s.visible);
     }},
    {"font-family", [](Style& s, std::string_view v,
                       Environment&) { return s.fontFamily = std::string(v), true; }},
    {"font-weight", ApplyFontWeight},
    {"font-style",
     [](Style& s, std::string_view v, Environment&) {
         // "oblique" may be followed by an angle, which fonts do not offer.
         if (v.rfind("oblique", 0) == 0) v = "oblique";
         return Keyword<FontSlant>(v,
                                   {{"normal", FontSlant::Upright},
                                    {"italic", FontSlant::Italic},
                                    {"oblique", FontSlant::Oblique}},
                                   &s.fontSlant);
     }},
    {"text-anchor",
     [](Style& s, std::string_view v, Environment&) {
         return Keyword<int>(
             v, {{"start", kLeftJustify}, {"middle", kCenterJustify}, {"end", kRightJustify}},
             &s.textAnchor);
     }},
    {"letter-spacing",
     [](Style& s, std::string_view v, Environment& e) {
         if (v == "normal") return s.letterSpacing = 0, true;
         bool ok = true;
         double spacing = Length(v, LengthAxis::Horizontal, e, &ok);
         if (ok) s.letterSpacing = spacing;
         return ok;
     }},
    {"font-size", ApplyFontSize},
    {"display",
     [](Style& s, std::string_view v, Environment&) { return s.displayNone = v == "none", true; }},
    {"baseline-shift", ApplyBaselineShift},
    {"opacity",
     [](Style& s, std::string_view v, Environment&) { return ApplyOpacity(&s.opacity, v); }},
    {"fill-opacity",
     [](Style& s, std::string_view v, Environment&) { return ApplyOpacity(&s.fillOpacity, v); }},
    {"stroke-opacity",
     [](Style& s, std::string_view v, Environment&) { return ApplyOpacity(&s.strokeOpacity, v); }},
};

// Properties the document does not model: their declarations are kept as written.
constexpr std::string_view kUnmodeledProperties[] = {"clip-path",
                                                     "clip-rule",
                                                     "mask",
                                                     "filter",
                                                     "marker",
                                                     "marker-start",
                                                     "marker-mid",
                                                     "marker-end",
                                                     "paint-order",
                                                     "mix-blend-mode",
                                                     "isolation",
                                                     "vector-effect",
                                                     "shape-rendering",
                                                     "text-rendering",
                                                     "image-rendering",
                                                     "color-interpolation",
                                                     "color-interpolation-filters",
                                                     "enable-background",
                                                     "text-decoration",
                                                     "word-spacing"};
const Property kKeptAsWritten{"", nullptr};

const Property* FindProperty(std::string_view name) {
    for (const auto& property : kProperties)
        if (name == property.name) return &property;
    for (const auto& unmodeled : kUnmodeledProperties)
        if (name == unmodeled) return &kKeptAsWritten;
    return nullptr;
}

// Declarations of a `style` attribute: "name: value; name: value".
std::vector<Declaration> StyleDeclarations(std::string_view text) {
    std::vector<Declaration> declarations;
    while (!text.empty()) {
        std::size_t end = text.find(';');
        std::string_view item = text.substr(0, end);
        std::size_t colon = item.find(':');
        if (colon != std::string_view::npos) {
            std::string_view value = Trim(item.substr(colon + 1));
            auto important = value.find("!important");
            if (important != std::string_view::npos) value = Trim(value.substr(0, important));
            declarations.push_back(
                {Trim(item.substr(0, colon)), value, important != std::string_view::npos, nullptr});
        }
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return declarations;
}

// The element's declarations of the properties that `find` knows (it gives a property
// or nullptr), lowest precedence first: presentation attributes, the style sheets' rules,
// the `style` attribute, the rules' important declarations, the `style` attribute's
// important ones.
template <class Find>
std::vector<Declaration> CascadedDeclarations(const pugi::xml_node& node,
                                              const ReaderContext& context, Find&& find) {
    // Room for an element's usual presentation attributes at once.
    constexpr std::size_t kUsualDeclarations = 8;
    std::vector<Declaration> all;
    all.reserve(kUsualDeclarations);
    pugi::xml_attribute style;  // the first one, as a look-up by name finds it
    for (const auto& [name, attribute] : context.AttributesOf(node).all) {
        if (!style && name == "style") style = attribute;
        if (const Property* property = find(name))
            all.push_back({name, Trim(attribute.value()), false, property});
    }
    std::vector<SheetDeclaration> sheet, sheetImportant;
    if (const RuleSet* rules = context.Rules()) rules->Match(node, &sheet, &sheetImportant);
    const std::vector<Declaration> inlined = StyleDeclarations(style.value());
    for (bool important : {false, true}) {
        for (const auto& d : important ? sheetImportant : sheet)
            if (const Property* property = find(d.name))
                all.push_back({d.name, d.value, important, property});
        for (const auto& d : inlined) {
            const Property* property = d.important == important ? find(d.name) : nullptr;
            if (property) all.push_back({d.name, d.value, d.important, property});
        }
    }
    return all;
}

// The declarations of the properties the host reads; of several declarations of one
// property the last wins.
std::vector<Declaration> ElementDeclarations(const pugi::xml_node& node,
                                             const ReaderContext& context) {
    std::vector<Declaration> all = CascadedDeclarations(node, context, FindProperty);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        bool overridden = false;
        for (std::size_t k = i + 1; k < all.size() && !overridden; ++k)
            overridden = all[k].property == all[i].property && all[k].name == all[i].name;
        if (!overridden) all[kept++] = all[i];
    }
    all.resize(kept);
    return all;
}

void Apply(Style& style, const Declaration& d, Environment& env) {
    const Property* property = d.property;
    if (!property->apply) {
        style.unmodeled.append(d.name).append(":").append(d.value).append(";");
        return;
    }
    if (d.value == "inherit") {
        // Inherited properties already hold the parent's value.
        if (d.name == "display") style.displayNone = env.parent.displayNone;
        if (d.name == "baseline-shift") style.baselineShift = env.parent.baselineShift;
        return;
    }
    if (!property->apply(style, d.value, env))
        env.context.Warn(env.node,
                         "ignored " + std::string(d.name) + "=\"" + std::string(d.value) + "\"");
}

}  // namespace

Paint Style::BlackPaint() {
    Paint paint;
    paint.kind = Paint::Kind::Color;
    return paint;
}

Style CascadeStyle(const Style& parent, const pugi::xml_node& node, const LengthContext& lengths,
                   ReaderContext& context) {
    Style style = parent;
    style.displayNone = false;
    style.baselineShift = 0;
    style.opacity = 1;
    style.unmodeled.clear();
    std::vector<Declaration> declarations = ElementDeclarations(node, context);
    Environment env{parent, lengths, context, node};
    // The font size comes first: the element's other lengths in em depend on it.
    for (const auto& d : declarations)
        if (d.name == "font-size") Apply(style, d, env);
    env.lengths.fontSize = style.fontSize;
    for (const auto& d : declarations)
        if (d.name != "font-size") Apply(style, d, env);
    return style;
}

std::string DeclaredValue(const pugi::xml_node& node, std::string_view property,
                          const ReaderContext& context) {
    // Any property found will do: only the value is asked for.
    auto declarations = CascadedDeclarations(node, context, [&](std::string_view name) {
        return name == property ? &kKeptAsWritten : nullptr;
    });
    return declarations.empty() ? std::string() : std::string(declarations.back().value);
}

std::vector<std::string> FontFamilies(const std::string& list) {
    std::vector<std::string> families;
    std::string_view rest = list;
    while (!rest.empty()) {
        std::size_t end = rest.find(',');
        std::string_view item = Trim(rest.substr(0, end));
        if (item.size() >= 2 && (item.front() == '\'' || item.front() == '"') &&
            item.back() == item.front())
            item = item.substr(1, item.size() - 2);
        if (!item.empty()) families.emplace_back(item);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return families;
}

}  // namespace host::svg
