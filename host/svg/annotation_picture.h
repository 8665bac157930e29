// A picture of what the user sees: the drawing in the view, with the last annotation
// pass (the plug-in's cursor feedback) drawn over it.
#pragma once

#include <string>
#include <vector>

#include "host/core/event_state.h"
#include "host/document/document.h"

namespace host {

/// The part of the artwork the view shows: its top-left corner in document points, the
/// zoom, and its size in pixels.
struct ViewFrame {
    float originH = 0, originV = 0;
    float zoom = 1;
    int widthPx = 0, heightPx = 0;
};

/// Writes an SVG of the view's size: a white ground, the drawing placed as the view shows
/// it, the selected paths outlined as the host shows them, and the drawing operations of `pass`
/// (view pixels, y downwards) over it. The file is replaced only once written whole; false with
/// `error` set when it cannot be written.
bool SaveAnnotationPicture(const Document& document, const ViewFrame& view,
                           const std::vector<DrawOp>& pass, const std::string& path,
                           std::string* error);

/// The same selection outlines and annotation pass as SVG elements alone (view pixels, y
/// downwards), for a front end that draws them over its own picture of the drawing, each
/// a group apart so that it sends each only when it changed: the selection outlines
/// (`<g id="selection">`), which change with the document and the view, and the annotation
/// pass (`<g id="annotation">`).
std::string SelectionOutlinesSvg(const Document& document, const ViewFrame& view);
std::string AnnotationPassSvg(const std::vector<DrawOp>& pass);

}  // namespace host
