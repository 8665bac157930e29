#include "app/update/dimension_update.h"

#include <set>

#include "app/update/dimension_offsets.h"
#include "app/update/link_reading.h"
#include "app/update/link_tags.h"
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
// Presses tried on one line before it is given up.
constexpr std::size_t kMostPresses = 3;

struct UpdateContext {
    host::Host& host;
    const LinkIndex& links;
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

const char* MarkerOf(DimensionKind kind) {
    switch (kind) {
        case DimensionKind::Angle:
            return tags::kAngleMarker;
        case DimensionKind::Circle:
            return tags::kCircleMarker;
        default:
            return tags::kSegmentMarker;
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
    for (const char* other : {tags::kSegmentMarker, tags::kAngleMarker, tags::kCircleMarker})
        if (press.art && other != marker && press.art->FindTag(other)) return false;
    return true;
}

// Points of the line that a press reaches, from the middle of each segment outwards; when
// there are none, the middle of the first segment all the same.
std::vector<AIRealPoint> PressPoints(host::Host& host, const host::Art& line, const char* marker) {
    std::vector<AIRealPoint> reached;
    const auto& s = line.segments;
    for (std::size_t i = 0; i + 1 < s.size() && reached.size() < kMostPresses; ++i)
        for (int step = 0; step < kPressSteps && reached.size() < kMostPresses; ++step) {
            const double offset = 0.5 * (step + 1) / (kPressSteps + 1);
            const double t = 0.5 + (step % 2 == 0 ? offset : -offset);
            const AIRealPoint p = ToHost(BezierPoint(s[i], s[i + 1], step == 0 ? 0.5 : t));
            if (ReachesTheLine(host, line, marker, p)) reached.push_back(p);
        }
    if (reached.empty() && s.size() > 1) reached.push_back(ToHost(BezierPoint(s[0], s[1], 0.5)));
    return reached;
}

std::set<host::ObjectId> GroupsOf(const host::Layer& layer) {
    std::set<host::ObjectId> ids;
    for (const auto& art : layer.group()->children()) ids.insert(art->id());
    return ids;
}

// The group that the press made: the topmost of the layer that was not there before.
host::Art* NewGroup(const host::Layer& layer, const std::set<host::ObjectId>& before) {
    const auto& children = layer.group()->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (!before.count((*it)->id())) return it->get();
    return nullptr;
}

void Send(host::Host& host, host::MouseEvent kind, AIRealPoint p) {
    host.SendMouseEvent(kind, p, {});
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
    for (AIRealPoint p : PressPoints(c.host, line, marker)) {
        press.at = p;
        const std::size_t shown = alerts.size();
        const std::set<host::ObjectId> before = GroupsOf(*layer);
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
    const OldPlacement old = ReadOldPlacement(*group, *piece, d.kind, c.extensionGap);
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
    return outcome;
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

std::vector<DimensionOutcome> UpdateDimensions(host::Host& host) {
    const host::PreferenceStore& store = host.preferences();
    std::string layerTitle = "Dimensions";
    if (store.GetText(host::kPluginPreferencePrefix, "NomCalque", &layerTitle) == kNoErr)
        layerTitle = host::Windows1252ToUtf8(layerTitle);
    double gap = 0;
    store.GetReal(host::kPluginPreferencePrefix, "Gap", &gap);
    const LinkIndex links(host.document());
    UpdateContext context{host, links, layerTitle, gap, ""};
    host.ZoomAboutCentre(kUpdateZoom);
    std::vector<DimensionOutcome> outcomes;
    for (const SurveyedDimension& d : SurveyDimensions(host.document(), layerTitle))
        outcomes.push_back(UpdateOne(context, d));
    return outcomes;
}

}  // namespace quill::update
