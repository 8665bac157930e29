#include "app/update/shown_settings.h"

#include "app/update/link_tags.h"
#include "host/prefs/preference_json.h"

namespace quill::update {

namespace {

using host::PreferenceValue;

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

// Dimension lines are dashed, or not, after "TraitsPointilles".
void ReadDashes(const host::Art& group, ShownSettings* shown) {
    for (const auto& child : group.children()) {
        const host::Art& piece = *child;
        if (piece.kind() != host::ArtKind::Path || !piece.FindTag(tags::kSegmentMarker)) continue;
        const std::vector<float>& dash = piece.style.dash;
        shown->values["TraitsPointilles"] = PreferenceValue::Flag(dash.size() >= 2);
        if (dash.size() >= 2) {
            shown->values["TiretUn"] = PreferenceValue::Real(dash[0]);
            shown->values["TrouUn"] = PreferenceValue::Real(dash[1]);
        }
        return;
    }
}

// The label is the centred text (tolerances start at their anchor): its size is "Corps",
// and it is raised only under a second measure.
void ReadLabel(const host::Art& group, ShownSettings* shown) {
    for (const auto& child : group.children()) {
        if (child->kind() != host::ArtKind::Text) continue;
        const host::TextStyle& style = child->text().style;
        if (style.justification != kCenterJustify) continue;
        shown->values["Corps"] = PreferenceValue::Real(style.size);
        if (style.baselineShift != 0)
            shown->values["DoubleMesure"] = PreferenceValue::Flag(style.baselineShift > 0);
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
    if (kind == DimensionKind::Segment) {
        ReadSegmentType(group, &shown);
        ReadDashes(group, &shown);
    }
    if (kind == DimensionKind::Circle && group.name == group_names::kDiameter)
        shown.values["Diametre"] = PreferenceValue::Flag(true);
    if (kind == DimensionKind::Circle && group.name == group_names::kRadius)
        shown.values["Diametre"] = PreferenceValue::Flag(false);
    ReadLabel(group, &shown);
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
