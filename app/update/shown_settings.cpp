#include "app/update/shown_settings.h"

#include <cmath>

#include "app/update/link_tags.h"
#include "host/prefs/preference_json.h"

namespace quill::update {

namespace {

using host::PreferenceValue;

// Lengths of the arrowhead outlines at 100 %, in points: the barbed arrow's notch from its
// tip, the base of the triangles, the dot's diameter.
constexpr double kBarbedNotch = 7;
constexpr double kTriangleBase = 2 * 2.7515761;
constexpr double kDotDiameter = 5;

// The segment type each name of a segment dimension's group says.
void ReadSegmentType(const host::Art& group, ShownSettings* shown) {
    const struct {
        const char* name;
        int type;
    } types[] = {
        {group_names::kOblique, 0}, {group_names::kHorizontal, 1}, {group_names::kVertical, 2}};
    for (const auto& t : types)
        if (group.name == t.name) shown->values["TypeDeCote"] = PreferenceValue::Integer(t.type);
}

// Dimension lines (the pieces marked with the dimension's kind) are dashed, or not, after
// "TraitsPointilles".
void ReadDashes(const host::Art& group, const char* marker, ShownSettings* shown) {
    for (const auto& child : group.children()) {
        const host::Art& piece = *child;
        if (piece.kind() != host::ArtKind::Path || !piece.FindTag(marker)) continue;
        const std::vector<float>& dash = piece.style().dash;
        shown->values["TraitsPointilles"] = PreferenceValue::Flag(dash.size() >= 2);
        if (dash.size() >= 2) {
            shown->values["TiretUn"] = PreferenceValue::Real(dash[0]);
            shown->values["TrouUn"] = PreferenceValue::Real(dash[1]);
        }
        return;
    }
}

// The label is the dimension's first text (the tolerances are made after it): its size is
// "Corps", and a second measure stands on a second line of it. The tolerances start at
// their anchor beside it, the first raised above it, the second lowered.
void ReadTexts(const host::Art& group, ShownSettings* shown) {
    const host::Art* label = nullptr;
    bool raised = false, lowered = false;
    for (const auto& child : group.children()) {
        if (child->kind() != host::ArtKind::Text) continue;
        const host::PointText& text = child->text();
        if (!label) {
            label = child.get();
            shown->values["Corps"] = PreferenceValue::Real(text.style.size);
            shown->values["DoubleMesure"] =
                PreferenceValue::Flag(text.contents.find('\r') != std::string::npos);
            continue;
        }
        raised = raised || text.style.baselineShift > 0;
        lowered = lowered || text.style.baselineShift < 0;
    }
    if (!label) return;
    shown->values["AvecToleranceUn"] = PreferenceValue::Flag(raised);
    shown->values["AvecToleranceDeux"] = PreferenceValue::Flag(lowered);
}

double Distance(const host::Art& path, std::size_t i, std::size_t j) {
    const AIRealPoint a = path.segments[i].p, b = path.segments[j].p;
    return std::hypot(double{a.h} - b.h, double{a.v} - b.v);
}

// The arrowheads' shape ("NumeroDeFleche") and size ("Zoom", percent) from an arrowhead:
// a piece marked for no kind of dimension with the outline of one of the shapes. The
// oblique tick (two anchors) looks like an extension line and tells nothing.
void ReadArrowheads(const host::Art& group, ShownSettings* shown) {
    for (const auto& child : group.children()) {
        const host::Art& piece = *child;
        if (piece.kind() != host::ArtKind::Path || piece.tags.size() != 1) continue;
        const std::size_t n = piece.segments.size();
        const bool filled = piece.style().fillPaint;
        int shape = -1;
        double size = 0;  // the outline's size at 100 %
        if (n == 6 && piece.closed) {
            shape = 0, size = Distance(piece, 0, 3) / kBarbedNotch;
        } else if (n == 3) {
            shape = !piece.closed ? 1 : filled ? 3 : 2;
            size = Distance(piece, 0, 2) / kTriangleBase;
        } else if (n == 4 && piece.closed) {
            shape = filled ? 4 : 5, size = Distance(piece, 0, 2) / kDotDiameter;
        }
        if (shape < 0) continue;
        shown->values["NumeroDeFleche"] = PreferenceValue::Integer(shape);
        shown->values["Zoom"] = PreferenceValue::Real(std::round(size * 100 * 1000) / 1000);
        return;
    }
}

double NumberOf(const PreferenceValue& v) {
    return v.kind == PreferenceValue::Kind::Real ? v.real : v.integer;
}

bool IsNumber(const PreferenceValue& v) {
    return v.kind == PreferenceValue::Kind::Real || v.kind == PreferenceValue::Kind::Integer;
}

// Pieces hold single-precision reals: a setting read back from them is the same setting
// when it rounds to the same float.
bool Same(const PreferenceValue& a, const PreferenceValue& b) {
    if (IsNumber(a) && IsNumber(b))
        return static_cast<float>(NumberOf(a)) == static_cast<float>(NumberOf(b));
    return host::PreferenceValueToJson(a) == host::PreferenceValueToJson(b);
}

}  // namespace

std::string ShownSettings::Key() const {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const auto& [key, value] : values) json[key] = host::PreferenceValueToJson(value);
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

ShownSettings SettingsShownBy(const host::Art& group, DimensionKind kind) {
    ShownSettings shown;
    if (kind == DimensionKind::Segment) ReadSegmentType(group, &shown);
    ReadDashes(group, MarkerOf(kind), &shown);
    if (kind == DimensionKind::Circle && group.name == group_names::kDiameter)
        shown.values["Diametre"] = PreferenceValue::Flag(true);
    if (kind == DimensionKind::Circle && group.name == group_names::kRadius)
        shown.values["Diametre"] = PreferenceValue::Flag(false);
    ReadTexts(group, &shown);
    ReadArrowheads(group, &shown);
    return shown;
}

ShownSettings DifferingFrom(const ShownSettings& shown, const host::PreferenceStore& store,
                            const std::string& prefix) {
    ShownSettings differing;
    for (const auto& [key, value] : shown.values) {
        const PreferenceValue* now = store.Find(prefix, key);
        if (!now || !Same(*now, value)) differing.values[key] = value;
    }
    return differing;
}

}  // namespace quill::update
