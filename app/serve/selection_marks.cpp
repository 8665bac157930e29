#include "app/serve/selection_marks.h"

#include "host/core/selection_tool.h"
#include "host/suites/art_bounds.h"

namespace quill::serve {

namespace {

using nlohmann::json;

struct ViewMap {
    const host::View& view;
    float x(float h) const { return (h - view.origin.h) * view.zoom; }
    float y(float v) const { return (view.origin.v - v) * view.zoom; }
};

void AddAnchors(const host::Art& art, const ViewMap& map, json* anchors) {
    for (const AIPathSegment& s : art.segments) {
        if (anchors->size() >= kMostAnchorsDrawn) return;
        anchors->push_back({map.x(s.p.h), map.y(s.p.v)});
    }
    for (const auto& child : art.children()) AddAnchors(*child, map, anchors);
}

}  // namespace

json SelectionMarks(host::Host& host) {
    const ViewMap map{host.view()};
    json boxes = json::array(), anchors = json::array();
    for (const host::Art* object : host::SelectedObjects(host.document())) {
        if (const auto box = host::ArtBounds(*object, host.fonts()))
            boxes.push_back(
                {map.x(box->left), map.y(box->top), map.x(box->right), map.y(box->bottom)});
        AddAnchors(*object, map, &anchors);
    }
    return {{"boxes", std::move(boxes)}, {"anchors", std::move(anchors)}};
}

}  // namespace quill::serve
