#include "host/scripting/dump_writer.h"

#include <charconv>
#include <cstdlib>

#include "host/core/event_state.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/fonts/text_metrics.h"
#include "host/io/safe_write.h"
#include "host/prefs/preference_store.h"
#include "host/scripting/script_parser.h"
#include "host/suites/art_bounds.h"
#include "host/text/windows1252.h"

namespace host {

using Json = nlohmann::ordered_json;

double DumpReal(float value) {
    if (!std::isfinite(value)) return value;
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    *result.ptr = '\0';
    return std::strtod(buffer, nullptr);
}

namespace {

Json Real(float v) {
    return std::isfinite(v) ? Json(DumpReal(v)) : Json(nullptr);
}
Json Pair(const AIRealPoint& p) {
    return Json::array({Real(p.h), Real(p.v)});
}
Json Pixel(const AIPoint& p) {
    return Json::array({p.h, p.v});
}

Json ColorJson(const Color& c) {
    switch (c.kind) {
        case Color::Kind::None:
            return nullptr;
        case Color::Kind::Gray:
            return Json{{"gray", Real(c.v[0])}};
        case Color::Kind::RGB:
            return Json{{"rgb", {Real(c.v[0]), Real(c.v[1]), Real(c.v[2])}}};
        case Color::Kind::CMYK:
            return Json{{"cmyk", {Real(c.v[0]), Real(c.v[1]), Real(c.v[2]), Real(c.v[3])}}};
        case Color::Kind::Custom:
            return Json{{"custom", c.customName.str()}, {"tint", Real(c.tint)}};
    }
    return nullptr;
}

Json TagsJson(const Art& art) {
    Json tags = Json::object();
    // Tags are the plug-in's 8-bit strings.
    for (const auto& [name, value] : art.tags)
        tags[Windows1252ToUtf8(name)] = Windows1252ToUtf8(value);
    return tags;
}

Json StyleJson(const PaintStyle& s) {
    static const char* caps[] = {"butt", "round", "square"};
    static const char* joins[] = {"miter", "round", "bevel"};
    Json dash = Json::array();
    for (float d : s.dash) dash.push_back(Real(d));
    return Json{{"fill", s.fillPaint ? ColorJson(s.fill) : Json(nullptr)},
                {"stroke", s.strokePaint ? ColorJson(s.stroke) : Json(nullptr)},
                {"width", Real(s.width)},
                {"dash", dash},
                {"cap", s.cap >= 0 && s.cap <= 2 ? caps[s.cap] : "butt"},
                {"join", s.join >= 0 && s.join <= 2 ? joins[s.join] : "miter"},
                {"fillOverprint", s.fillOverprint},
                {"strokeOverprint", s.strokeOverprint}};
}

Json ArtJson(const Art& art, FontCatalog& fonts);

Json ChildrenJson(const Art& group, FontCatalog& fonts) {
    Json children = Json::array();
    for (const auto& child : group.children()) children.push_back(ArtJson(*child, fonts));
    return children;
}

Json PathJson(const Art& art) {
    Json segments = Json::array();
    for (const auto& s : art.segments)
        segments.push_back(Json{
            {"p", Pair(s.p)}, {"in", Pair(s.in)}, {"out", Pair(s.out)}, {"corner", s.corner != 0}});
    Json path{{"type", "path"},
              {"name", art.name},
              {"tags", TagsJson(art)},
              {"closed", art.closed},
              {"locked", (art.attributes & kArtLocked) != 0},
              {"hidden", (art.attributes & kArtHidden) != 0},
              {"selected", (art.attributes & kArtSelected) != 0},
              {"segments", segments},
              {"style", StyleJson(art.style())}};
    if (const StrokeSpace* space = art.strokeSpace.get())
        path["strokeSpace"] = {space->a, space->b, space->c, space->d};
    return path;
}

Json TextJson(const Art& art, FontCatalog& fonts) {
    static const char* justifications[] = {"left", "right", "center"};
    const TextStyle& t = art.text().style;
    const AIRealMatrix& m = art.text().matrix;
    AIRealRect b = PointTextBounds(art, fonts);
    return Json{
        {"type", "text"},
        {"name", art.name},
        {"tags", TagsJson(art)},
        {"contents", art.text().contents},
        {"anchor", Pair(AIRealPoint{m.tx, m.ty})},
        {"matrix", {Real(m.a), Real(m.b), Real(m.c), Real(m.d), Real(m.tx), Real(m.ty)}},
        {"font", t.font},
        {"size", Real(t.size)},
        {"baselineShift", Real(t.baselineShift)},
        {"justification",
         t.justification >= 0 && t.justification <= 2 ? justifications[t.justification] : "left"},
        {"tracking", t.tracking},
        {"fill", ColorJson(t.fill)},
        {"fillOverprint", t.fillOverprint},
        {"bounds", {Real(b.left), Real(b.top), Real(b.right), Real(b.bottom)}}};
}

// The paint of the whole shape and its fill rule; the members follow as paths.
Json CompoundJson(const Art& art, FontCatalog& fonts) {
    return Json{{"type", "compound"},
                {"name", art.name},
                {"tags", TagsJson(art)},
                {"locked", (art.attributes & kArtLocked) != 0},
                {"hidden", (art.attributes & kArtHidden) != 0},
                {"selected", (art.attributes & kArtSelected) != 0},
                {"fillRule", art.style().evenOdd ? "evenodd" : "nonzero"},
                {"style", StyleJson(art.style())},
                {"art", ChildrenJson(art, fonts)}};
}

Json ArtJson(const Art& art, FontCatalog& fonts) {
    switch (art.kind()) {
        case ArtKind::Path:
            return PathJson(art);
        case ArtKind::Text:
            return TextJson(art, fonts);
        case ArtKind::CompoundPath:
            return CompoundJson(art, fonts);
        case ArtKind::Group:
            break;
    }
    return Json{{"type", "group"},
                {"name", art.name},
                {"tags", TagsJson(art)},
                {"art", ChildrenJson(art, fonts)}};
}

Json PreferenceJson(const PreferenceValue& v) {
    switch (v.kind) {
        case PreferenceValue::Kind::Flag:
            return v.flag;
        case PreferenceValue::Kind::Integer:
            return v.integer;
        case PreferenceValue::Kind::Real:
            return Real(static_cast<float>(v.real));
        case PreferenceValue::Kind::Text:
            return Windows1252ToUtf8(v.text);
    }
    return nullptr;
}

Json PrefsJson(Host& host) {
    Json prefs = Json::object();
    for (const auto& [prefix, keys] : host.preferences().entries()) {
        if (prefix.empty()) {
            for (const auto& [key, value] : keys) prefs[key] = PreferenceJson(value);
            continue;
        }
        Json group = Json::object();
        for (const auto& [key, value] : keys) group[key] = PreferenceJson(value);
        prefs[prefix] = group;
    }
    return prefs;
}

Json DrawOpJson(const DrawOp& op) {
    static const char* kinds[] = {"line", "rect", "ellipse", "bezier", "text"};
    Json j = Json{{"op", kinds[static_cast<int>(op.kind)]}};
    switch (op.kind) {
        case DrawOp::Kind::Line:
            j["from"] = Pixel(op.points[0]);
            j["to"] = Pixel(op.points[1]);
            break;
        case DrawOp::Kind::Rect:
        case DrawOp::Kind::Ellipse:
            j["rect"] = {op.rect.left, op.rect.top, op.rect.right, op.rect.bottom};
            j["fill"] = op.fill;
            break;
        case DrawOp::Kind::Bezier:
            j["points"] = {Pixel(op.points[0]), Pixel(op.points[1]), Pixel(op.points[2]),
                           Pixel(op.points[3])};
            break;
        case DrawOp::Kind::Text:
            j["at"] = Pixel(op.points[0]);
            j["text"] = op.text;
            j["font"] = op.fontPreset;
            break;
    }
    if (op.kind != DrawOp::Kind::Text) j["width"] = Real(op.width);
    // The drawer's own 16-bit components, exactly as the plug-in set them.
    j["color"] = {op.color.red, op.color.green, op.color.blue};
    if (op.dashed) j["dashed"] = true;
    return j;
}

Json RegistrationsJson(Host& host) {
    Registrations& r = host.registrations();
    Json tools = Json::array();
    for (const auto& t : r.tools())
        if (t.plugin != 0)
            tools.push_back(Json{{"title", t.title},
                                 {"tooltip", t.tooltip},
                                 {"group", t.group},
                                 {"toolset", t.toolset}});
    Json menus = Json::array();
    for (const auto& g : r.menuGroups()) {
        Json items = Json::array();
        for (const auto& item : r.menuItems())
            if (item.group == g.name) items.push_back(item.text);
        menus.push_back(Json{{"group", g.name}, {"items", items}});
    }
    Json notifiers = Json::array();
    for (const auto& n : r.notifiers())
        notifiers.push_back(Json{{"name", n.name}, {"type", n.type}});
    Json annotators = Json::array();
    for (const auto& a : r.annotators())
        annotators.push_back(Json{{"name", a.name}, {"active", a.active}});
    const ToolRecord* selected = r.FindTool(r.selectedTool);
    const auto& plugins = host.plugins().plugins();
    const LoadedPlugin* plugin = plugins.empty() ? nullptr : plugins.front().get();
    return Json{{"plugin", plugin ? Json(plugin->name) : Json(nullptr)},
                {"loaded", plugin && plugin->library.loaded()},
                {"selectedTool", selected ? Json(selected->title) : Json(nullptr)},
                {"tools", tools},
                {"menus", menus},
                {"notifiers", notifiers},
                {"annotators", annotators}};
}

// A text, or null when there is none.
Json OptionalText(const std::string& text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

Json ToolJson(Host& host) {
    Registrations& r = host.registrations();
    const ToolRecord* tool = r.FindTool(r.selectedTool);
    if (!tool || tool->plugin == 0) return nullptr;
    std::string name = ScriptNameOfToolTitle(tool->title);
    return name.empty() ? tool->title : name;
}

}  // namespace

Json DumpHost(Host& host) {
    Json alerts = Json::array();
    for (const auto& alert : host.log().alerts) alerts.push_back(alert);
    Json annotation = Json::array();
    for (const auto& op : host.log().annotation) annotation.push_back(DrawOpJson(op));
    Json layers = Json::array();
    for (const auto& layer : host.document().layers())
        layers.push_back(Json{{"title", layer->title},
                              {"locked", layer->locked},
                              {"visible", layer->visible},
                              {"art", ChildrenJson(*layer->group(), host.fonts())}});
    const auto& cursor = host.log().cursor;
    // The page: document points, y upwards from its bottom-left corner.
    const Json page{{"width", host.document().width()}, {"height", host.document().height()}};
    return Json{{"tool", ToolJson(host)},
                {"cursor", cursor ? Json(*cursor) : Json(nullptr)},
                {"alerts", alerts},
                {"prefs", PrefsJson(host)},
                {"annotation", annotation},
                {"undo", OptionalText(host.UndoText())},
                {"redo", OptionalText(host.RedoText())},
                {"host", RegistrationsJson(host)},
                {"page", page},
                {"layers", layers}};
}

namespace {

// A container that fits in this many columns is written on one line.
constexpr std::size_t kInlineWidth = 100;

std::string Scalar(const Json& j) {
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string Inline(const Json& j) {
    if (!j.is_structured()) return Scalar(j);
    std::string out(1, j.is_object() ? '{' : '[');
    bool first = true;
    for (auto it = j.begin(); it != j.end(); ++it) {
        if (!first) out += ", ";
        first = false;
        if (j.is_object()) out += Scalar(Json(it.key())) + ": ";
        out += Inline(*it);
    }
    return out + (j.is_object() ? '}' : ']');
}

void Pretty(const Json& j, int indent, std::string* out) {
    std::string flat = Inline(j);
    if (!j.is_structured() || j.empty() ||
        flat.size() + static_cast<std::size_t>(indent) <= kInlineWidth) {
        *out += flat;
        return;
    }
    std::string pad(static_cast<std::size_t>(indent + 2), ' ');
    *out += j.is_object() ? "{\n" : "[\n";
    bool first = true;
    for (auto it = j.begin(); it != j.end(); ++it) {
        if (!first) *out += ",\n";
        first = false;
        *out += pad;
        if (j.is_object()) *out += Scalar(Json(it.key())) + ": ";
        Pretty(*it, indent + 2, out);
    }
    *out += "\n" + std::string(static_cast<std::size_t>(indent), ' ') + (j.is_object() ? '}' : ']');
}

}  // namespace

std::string DumpText(Host& host) {
    std::string out;
    Pretty(DumpHost(host), 0, &out);
    return out + "\n";
}

bool WriteDump(Host& host, const std::string& path, std::string* error) {
    return WriteFileSafely(path, DumpText(host), error);
}

}  // namespace host
