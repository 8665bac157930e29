#include "app/update/dimension_update.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>

#include "app/update/covering_pieces.h"
#include "app/update/dimension_offsets.h"
#include "app/update/link_reading.h"
#include "app/update/link_tags.h"
#include "app/update/shown_settings.h"
#include "host/core/event_state.h"
#include "host/geometry/bezier.h"
#include "host/geometry/hit_test.h"
#include "host/geometry/nearest_point.h"
#include "host/prefs/preference_store.h"
#include "host/scripting/script_parser.h"
#include "host/scripting/script_runner.h"
#include "host/text/windows1252.h"
#include "sdk/quill_vocabulary.h"

namespace quill::update {

namespace {

// The view's zoom during the update: the Segment tool's drag snaps to remembered points
// within 8 pixels, an eighth of a point at this zoom.
constexpr float kUpdateZoom = 64;
// The plug-in's hit tolerances, in points: a press, and the pointer's classification.
constexpr float kPressTolerance = vocabulary::kClickTolerance;
constexpr float kHoverTolerance = vocabulary::kHoverTolerance;
constexpr float kCrossingTolerance = vocabulary::kSecondPathTolerance;
// Points tried on each segment of the line, spread from its middle towards its ends.
constexpr int kPressSteps = 16;
// How far beside the line a press may be tried, in points: within the hover tolerance.
constexpr double kPressAside[] = {0, 2, -2, 3.5, -3.5, 3.95, -3.95};
// Presses tried on one line before it is given up.
constexpr std::size_t kMostPresses = 3;

struct UpdateContext {
    host::Host& host;
    const LinkIndex& links;
    std::string plugin;  // the library started again when the settings change
    std::string layerTitle;
    double extensionGap = 0;
    std::string toolTitle;  // the tool selected last
};

const char* ToolOf(DimensionKind kind) {
    switch (kind) {
        case DimensionKind::Angle:
            return "angle";
        case DimensionKind::Circle:
            return "circle";
        default:
            return "segment";
    }
}

Vec BezierPoint(const AIPathSegment& a, const AIPathSegment& b, double t) {
    const double s = 1 - t;
    return (s * s * s) * FromHost(a.p) + (3 * s * s * t) * FromHost(a.out) +
           (3 * s * t * t) * FromHost(b.in) + (t * t * t) * FromHost(b.p);
}

// Whether another path passes within the plug-in's crossing tolerance of `p`: a press
// there is a crossing, not the line.
bool CrossesOtherArt(host::Host& host, const host::Art& line, AIRealPoint p) {
    bool crosses = false;
    host.segmentIndex().Query(p, kCrossingTolerance, [&](const host::Art& path, int i) {
        if (crosses || &path == &line || !host::IsHittable(host.document(), path)) return;
        const host::geom::Cubic c = host::geom::SegmentCubic(path.segments, i);
        crosses = host::geom::Nearest(c, {p.h, p.v}, kCrossingTolerance).has_value();
    });
    return crosses;
}

// Whether a press at `p` goes to the line's dimension as the plug-in's tools see it: no
// anchor or snapped point under the pointer, the line the topmost segment there, and the
// art the press hits marked for no other kind of dimension.
bool ReachesTheLine(host::Host& host, const host::Art& line, const char* marker, AIRealPoint p) {
    const host::Document& doc = host.document();
    const host::SegmentIndex& index = host.segmentIndex();
    if (host::HitTest(doc, index, p, kHoverTolerance, kPointHitRequest, nullptr).hit) return false;
    if (host::HitTest(doc, index, p, kHoverTolerance, kSegmentHitRequest, nullptr).art != &line)
        return false;
    if (CrossesOtherArt(host, line, p)) return false;
    const host::Hit press = host::HitTest(doc, index, p, kPressTolerance, kAllHitRequest, nullptr);
    for (std::string_view other : {tags::kSegmentMarker, tags::kAngleMarker, tags::kCircleMarker})
        if (press.art && other != marker && press.art->FindTag(other)) return false;
    return true;
}

// Points of the line that a press reaches, from the middle of each segment outwards, then
// beside it: on a line shorter than twice the point tolerance every point of the line
// lies near one of its own anchors, which the classification takes for a point of
// dimension art; a little off the line, within the segment tolerance, it finds the line.
// None when no press reaches it: a press elsewhere would start a new measurement.
std::vector<AIRealPoint> PressPoints(host::Host& host, const host::Art& line, const char* marker) {
    std::vector<AIRealPoint> reached;
    const auto& s = line.segments;
    for (double aside : kPressAside)
        for (std::size_t i = 0; i + 1 < s.size() && reached.size() < kMostPresses; ++i)
            for (int step = 0; step < kPressSteps && reached.size() < kMostPresses; ++step) {
                const double offset = 0.5 * (step + 1) / (kPressSteps + 1);
                const double t = step == 0 ? 0.5 : 0.5 + (step % 2 == 0 ? offset : -offset);
                const Vec along = BezierPoint(s[i], s[i + 1], std::min(t + 1e-3, 1.0)) -
                                  BezierPoint(s[i], s[i + 1], std::max(t - 1e-3, 0.0));
                const Vec at = BezierPoint(s[i], s[i + 1], t) + aside * Unit(Perpendicular(along));
                if (ReachesTheLine(host, line, marker, ToHost(at))) reached.push_back(ToHost(at));
            }
    return reached;
}

// The group that the press made: the topmost of the layer made after `lastBefore`, the
// last identity given out before the press.
host::Art* NewGroup(const host::Layer& layer, host::ObjectId lastBefore) {
    const auto& children = layer.group()->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->id() > lastBefore) return it->get();
    return nullptr;
}

void Send(host::Host& host, host::MouseEvent kind, AIRealPoint p) {
    host.SendMouseEvent(kind, p, {});
}

// The art above `group` in its layer, nearest first.
std::vector<host::ObjectId> ArtAbove(const host::Art& group) {
    std::vector<host::ObjectId> above;
    const auto& siblings = group.parent()->children();
    for (auto it = siblings.rbegin(); it != siblings.rend() && it->get() != &group; ++it)
        above.push_back((*it)->id());
    std::reverse(above.begin(), above.end());
    return above;
}

// Puts the rebuilt group where the one it replaces stood in the layer's order: below the
// nearest art that stood above it and is still there (a user's move in the layers list).
// It keeps what the file said of the old one beyond the plug-in's art: its id, the
// attributes other editors gave it.
void TakePlace(host::Document& doc, host::ObjectId rebuilt,
               const std::vector<host::ObjectId>& above,
               const std::vector<std::pair<std::string, std::string>>& kept) {
    if (!kept.empty()) doc.FindArt(rebuilt)->keep().attributes = kept;
    for (host::ObjectId id : above)
        if (host::Art* next = doc.FindArt(id)) {
            doc.Move(doc.FindArt(rebuilt), kPlaceBelow, next);
            return;
        }
}

struct Press {
    host::Art* rebuilt = nullptr;  // the new dimension, when the press rebuilt it
    AIRealPoint at{0, 0};
    std::string alert;  // the plug-in's alert, when it showed one
};

// Presses the line until the plug-in rebuilds the dimension or tells why it cannot.
Press PressTheLine(UpdateContext& c, const SurveyedDimension& d, const host::Art& line) {
    Press press;
    host::Document& doc = c.host.document();
    const host::Layer* layer = doc.FindLayerByTitle(c.layerTitle);
    if (!layer) return press;
    const char* marker = MarkerOf(d.kind);
    auto& alerts = c.host.log().alerts;
    const CoveringPiecesHidden hidden(doc, line);
    for (AIRealPoint p : PressPoints(c.host, line, marker)) {
        press.at = p;
        const std::size_t shown = alerts.size();
        const host::ObjectId before = host::LastObjectId();
        Send(c.host, host::MouseEvent::Move, p);
        Send(c.host, host::MouseEvent::Down, p);
        if (alerts.size() > shown) press.alert = alerts.back();
        if (!doc.FindArt(d.group)) {
            press.rebuilt = NewGroup(*layer, before);
            return press;
        }
        Send(c.host, host::MouseEvent::Up, p);
        if (!press.alert.empty()) return press;
    }
    return press;
}

DimensionOutcome UpdateOne(UpdateContext& c, const SurveyedDimension& d) {
    DimensionOutcome outcome{d, UpdateStatus::NotAssociative, "", d.label};
    host::Document& doc = c.host.document();
    const host::Art* group = doc.FindArt(d.group);
    const host::Art* piece = doc.FindArt(d.linkPiece);
    if (!d.associative || !group || !piece) return outcome;
    outcome.status = UpdateStatus::NotRebuilt;
    const LinkReading link = ReadLink(c.links, *piece, d.kind);
    const OldPlacement old = ReadOldPlacement(doc, *group, *piece, d.kind, c.extensionGap);
    const std::vector<host::ObjectId> above = ArtAbove(*group);
    const auto kept = group->kept() ? group->kept()->attributes
                                    : std::vector<std::pair<std::string, std::string>>();
    const std::string title = host::ToolTitleOfScriptName(ToolOf(d.kind));
    std::string error;
    if (title != c.toolTitle && !c.host.SelectToolByTitle(title, &error)) {
        outcome.reason = error;
        return outcome;
    }
    c.toolTitle = title;
    const Press press = PressTheLine(c, d, *piece);
    if (!press.rebuilt) {
        const bool kept = doc.FindArt(d.group) != nullptr;
        if (!kept) Send(c.host, host::MouseEvent::Up, press.at);
        outcome.reason = !link.found            ? link.reason
                         : !press.alert.empty() ? press.alert
                         : kept                 ? "its line could not be pressed"
                                                : "removed by the plug-in, nothing built instead";
        return outcome;
    }
    const AIRealPoint release =
        link.found ? ToHost(ReleasePoint(old, link.anchors, *press.rebuilt)) : press.at;
    const host::ObjectId rebuilt = press.rebuilt->id();
    Send(c.host, host::MouseEvent::Drag, release);
    Send(c.host, host::MouseEvent::Up, release);
    const host::Art* placed = doc.FindArt(rebuilt);
    if (!placed) {
        // The drag gave the new dimension up (the measured points met, say).
        const auto& alerts = c.host.log().alerts;
        outcome.reason = alerts.empty() ? "given up while placed" : alerts.back();
        return outcome;
    }
    outcome.status = UpdateStatus::Rebuilt;
    outcome.newLabel = LabelOf(*placed);
    TakePlace(doc, rebuilt, above, kept);
    return outcome;
}

// Shuts the plug-in down and starts it again with `settings` put over the drawing's own:
// it reads its settings at start-up only.
bool StartWith(UpdateContext& c, const host::PreferenceStore& own, const ShownSettings& settings,
               std::string* error) {
    host::PreferenceStore& store = c.host.preferences();
    store = own;
    for (const auto& [key, value] : settings.values)
        store.Put(host::kPluginPreferencePrefix, key, value);
    c.host.ShutdownPlugins();
    c.toolTitle.clear();
    return c.host.StartPlugin(c.plugin, error);
}

// The associative dimensions by the settings their pieces show that the store has not,
// those the store has first.
std::vector<std::pair<ShownSettings, std::vector<std::size_t>>> Batches(
    const host::Document& doc, const host::PreferenceStore& store,
    const std::vector<SurveyedDimension>& dimensions) {
    std::map<std::string, std::size_t> byKey{{ShownSettings().Key(), 0}};
    std::vector<std::pair<ShownSettings, std::vector<std::size_t>>> batches(1);
    for (std::size_t i = 0; i < dimensions.size(); ++i) {
        const host::Art* group = doc.FindArt(dimensions[i].group);
        if (!dimensions[i].associative || !group) continue;
        ShownSettings needed = DifferingFrom(SettingsShownBy(*group, dimensions[i].kind), store,
                                             host::kPluginPreferencePrefix);
        const auto [at, added] = byKey.emplace(needed.Key(), batches.size());
        if (added) batches.push_back({std::move(needed), {}});
        batches[at->second].second.push_back(i);
    }
    return batches;
}

}  // namespace

const char* StatusName(UpdateStatus status) {
    switch (status) {
        case UpdateStatus::Rebuilt:
            return "rebuilt";
        case UpdateStatus::NotRebuilt:
            return "not rebuilt";
        case UpdateStatus::NotAssociative:
            break;
    }
    return "not associative";
}

std::vector<DimensionOutcome> UpdateDimensions(host::Host& host, const std::string& plugin) {
    const host::PreferenceStore& store = host.preferences();
    std::string layerTitle = "Dimensions";
    if (store.GetText(host::kPluginPreferencePrefix, "NomCalque", &layerTitle) == kNoErr)
        layerTitle = host::Windows1252ToUtf8(layerTitle);
    double gap = 0;
    store.GetReal(host::kPluginPreferencePrefix, "Gap", &gap);
    const LinkIndex links(host.document());
    UpdateContext context{host, links, plugin, layerTitle, gap, ""};
    host.ZoomAboutCentre(kUpdateZoom);
    const std::vector<SurveyedDimension> dimensions = SurveyDimensions(host.document(), layerTitle);
    std::vector<DimensionOutcome> outcomes;
    for (const SurveyedDimension& d : dimensions)
        outcomes.push_back({d, UpdateStatus::NotAssociative, "", d.label});
    // Kind by kind, the plug-in started with the settings each dimension was made with;
    // the drawing's own settings at the end, as they were.
    const host::PreferenceStore own = store;
    bool restarted = false;
    for (const auto& [settings, members] : Batches(host.document(), own, dimensions)) {
        std::string error;
        if (!settings.values.empty() || restarted) {
            restarted = true;
            if (!StartWith(context, own, settings, &error)) error = "not started again: " + error;
        }
        for (std::size_t i : members)
            outcomes[i] = error.empty() ? UpdateOne(context, dimensions[i])
                                        : DimensionOutcome{dimensions[i], UpdateStatus::NotRebuilt,
                                                           error, dimensions[i].label};
    }
    host.preferences() = own;
    return outcomes;
}

}  // namespace quill::update
