#include "host/core/selection_tool.h"

#include <algorithm>
#include <cmath>

#include "host/core/event_state.h"
#include "host/core/host.h"
#include "host/geometry/art_matching.h"
#include "host/geometry/hit_test.h"
#include "host/suites/art_bounds.h"

namespace host {

namespace {

// How far from a path the pointer may be and still pick it, in view pixels.
constexpr float kPickTolerancePx = 3;
constexpr std::int32_t kSelectionBits = kArtSelected | kArtFullySelected;

// The object a layer holds that `art` is part of.
Art* ObjectOf(Art* art) {
    while (art && art->parent() && !art->parent()->layerOfGroup()) art = art->parent();
    return art;
}

bool Contains(const AIRealRect& r, AIRealPoint p) {
    return p.h >= r.left && p.h <= r.right && p.v <= r.top && p.v >= r.bottom;
}

bool Overlap(const AIRealRect& a, const AIRealRect& b) {
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

bool InsideSelected(const Art& art) {
    for (const Art* a = art.parent(); a && !a->layerOfGroup(); a = a->parent())
        if (a->attributes & kArtSelected) return true;
    return false;
}

// The topmost selectable object under the point: a path's stroke, anchor or fill, else a
// text's box.
Art* ObjectAt(Host& host, AIRealPoint point) {
    Document& document = host.document();
    const float tolerance = kPickTolerancePx / host.view().zoom;
    const Hit hit = HitTest(document, host.segmentIndex(), point, tolerance, 0, nullptr);
    if (hit.hit) return ObjectOf(hit.art);
    Art* found = nullptr;
    document.ForEachArt([&](Art& art) {
        if (art.kind() != ArtKind::Text || !IsHittable(document, art)) return;
        const auto box = ArtBounds(art, host.fonts());
        if (box && Contains(*box, point)) found = ObjectOf(&art);
    });
    return found;
}

}  // namespace

std::vector<Art*> SelectedObjects(const Document& document) {
    std::vector<Art*> objects;
    for (Art* art : document.SelectedArt())
        if (!InsideSelected(*art)) objects.push_back(art);
    return objects;
}

bool SelectObject(Document& document, Art& object, bool selected) {
    bool changed = false;
    const std::int32_t wanted = selected ? kArtSelected : 0;
    if ((object.attributes & kSelectionBits) != wanted) {
        document.Touch(object);
        object.attributes = (object.attributes & ~kSelectionBits) | wanted;
        changed = true;
    }
    for (const auto& child : object.children())
        changed = SelectObject(document, *child, selected) || changed;
    return changed;
}

bool DeselectAll(Document& document) {
    bool changed = false;
    for (Art* object : SelectedObjects(document))
        changed = SelectObject(document, *object, false) || changed;
    return changed;
}

bool MoveObjects(Document& document, const std::vector<Art*>& objects, float dx, float dy) {
    const AIRealMatrix shift{1, 0, 0, 1, dx, dy};
    bool all = true;
    for (Art* object : objects)
        all = TransformArt(document, *object, shift, 1, kTransformObjects) && all;
    return all;
}

void SelectionTool::Press(AIRealPoint point, bool shift) {
    start_ = last_ = point;
    moving_.clear();
    marquee_.reset();
    Document& document = host_.document();
    Art* object = ObjectAt(host_, point);
    bool changed = false;
    if (!object) {
        if (!shift) changed = DeselectAll(document);
        marquee_ = AIRealRect{point.h, point.v, point.h, point.v};
    } else if (shift) {
        changed = SelectObject(document, *object, !(object->attributes & kArtSelected));
    } else if (!(object->attributes & kArtSelected)) {
        changed = DeselectAll(document);
        changed = SelectObject(document, *object, true) || changed;
    }
    if (changed) host_.event().selectionChanged = true;
    if (object && (object->attributes & kArtSelected))
        for (Art* selected : SelectedObjects(document)) moving_.push_back(selected->id());
}

void SelectionTool::Drag(AIRealPoint point) {
    if (marquee_) {
        marquee_ = AIRealRect{std::min(start_.h, point.h), std::max(start_.v, point.v),
                              std::max(start_.h, point.h), std::min(start_.v, point.v)};
        return;
    }
    std::vector<Art*> objects;
    for (ObjectId id : moving_)
        if (Art* art = host_.document().FindArt(id)) objects.push_back(art);
    if (objects.empty() || (point.h == last_.h && point.v == last_.v)) return;
    MoveObjects(host_.document(), objects, point.h - last_.h, point.v - last_.v);
    last_ = point;
}

void SelectionTool::Release(AIRealPoint point) {
    if (marquee_) {
        Drag(point);
        const AIRealRect area = *marquee_;
        marquee_.reset();
        // A click on empty canvas draws no rectangle.
        if (area.left == area.right && area.top == area.bottom) return;
        Document& document = host_.document();
        bool changed = false;
        for (const auto& layer : document.layers())
            for (const auto& child : layer->group()->children()) {
                if (!IsHittable(document, *child)) continue;
                const auto box = ArtBounds(*child, host_.fonts());
                if (box && Overlap(*box, area))
                    changed = SelectObject(document, *child, true) || changed;
            }
        if (changed) host_.event().selectionChanged = true;
    } else {
        Drag(point);
    }
    moving_.clear();
}

}  // namespace host
