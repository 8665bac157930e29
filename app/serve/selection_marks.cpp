#include "app/serve/selection_marks.h"

#include "host/core/selection_tool.h"
#include "host/suites/art_bounds.h"

namespace quill::serve {

nlohmann::json SelectionMarks(host::Host& host) {
    const host::View& view = host.view();
    const auto x = [&](float h) { return (h - view.origin.h) * view.zoom; };
    const auto y = [&](float v) { return (view.origin.v - v) * view.zoom; };
    nlohmann::json boxes = nlohmann::json::array();
    for (const host::Art* object : host::SelectedObjects(host.document()))
        if (const auto box = host::ArtBounds(*object, host.fonts()))
            boxes.push_back({x(box->left), y(box->top), x(box->right), y(box->bottom)});
    return {{"boxes", std::move(boxes)}};
}

}  // namespace quill::serve
