// Annotators, the drawer of an annotation pass (its calls are recorded), the document
// view, and the document itself.
#include <cmath>
#include <limits>

#include "host/core/event_state.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/suites/suite_support.h"

namespace host {

namespace {

ASErr AIAPI AddAnnotator(SPPluginRef self, const char* name, AIAnnotatorHandle* annotator) {
    return HostCall(kAIAnnotatorSuite, "AddAnnotator", [&](Host& host) -> AIErr {
        if (!self || !name || !annotator) return kBadParameterErr;
        LoadedPlugin* plugin = host.plugins().Find(self);
        if (!plugin) return kStaleHandleErr;
        AnnotatorRecord record{NextObjectId(), plugin->id, name, true};
        host.registrations().annotators().push_back(record);
        *annotator = ToHandle<AIAnnotatorHandle>(record.id);
        return kNoErr;
    });
}

ASErr AIAPI SetAnnotatorActive(AIAnnotatorHandle annotator, AIBoolean active) {
    return HostCall(kAIAnnotatorSuite, "SetAnnotatorActive", [&](Host& host) -> AIErr {
        if (!annotator) return kBadParameterErr;
        AnnotatorRecord* record = host.registrations().FindAnnotator(IdOf(annotator));
        if (!record) return kStaleHandleErr;
        record->active = active != 0;
        return kNoErr;
    });
}

ASErr AIAPI GetAnnotatorActive(AIAnnotatorHandle annotator, AIBoolean* active) {
    return HostCall(kAIAnnotatorSuite, "GetAnnotatorActive", [&](Host& host) -> AIErr {
        if (!annotator || !active) return kBadParameterErr;
        AnnotatorRecord* record = host.registrations().FindAnnotator(IdOf(annotator));
        if (!record) return kStaleHandleErr;
        *active = record->active;
        return kNoErr;
    });
}

bool ValidView(Host& host, AIDocumentViewHandle view) {
    return !view || IdOf(view) == host.viewId();
}

ASErr AIAPI InvalAnnotationRect(AIDocumentViewHandle view, const AIRect*) {
    return HostCall(kAIAnnotatorSuite, "InvalAnnotationRect", [&](Host& host) -> AIErr {
        if (!ValidView(host, view)) return kStaleHandleErr;
        host.event().annotationRequested = true;
        return kNoErr;
    });
}

AIAnnotatorSuite annotatorSuite = {AddAnnotator, SetAnnotatorActive, GetAnnotatorActive,
                                   InvalAnnotationRect};
SuiteTable annotatorTable(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, &annotatorSuite);

/// The drawer of the pass under way, or nullptr for any other handle.
DrawerState* DrawerOf(Host& host, AIAnnotatorDrawer drawer) {
    auto& current = host.event().drawer;
    return drawer && current && current->id == IdOf(drawer) ? &*current : nullptr;
}

template <class Body>
AIErr Drawing(const char* function, AIAnnotatorDrawer drawer, Body&& body) {
    return HostCall(kAIAnnotatorDrawerSuite, function, [&](Host& host) -> AIErr {
        if (!drawer) return kBadParameterErr;
        DrawerState* state = DrawerOf(host, drawer);
        if (!state) return kStaleHandleErr;
        return body(host, *state);
    });
}

void Record(Host& host, const DrawerState& state, DrawOp op) {
    op.color = state.color;
    op.width = state.width;
    op.dashed = state.dashed;
    op.fontPreset = state.fontPreset;
    host.log().annotation.push_back(std::move(op));
}

ASErr AIAPI SetColor(AIAnnotatorDrawer drawer, const AIRGBColor* color) {
    return Drawing("SetColor", drawer, [&](Host&, DrawerState& state) -> AIErr {
        if (!color) return kBadParameterErr;
        state.color = *color;
        return kNoErr;
    });
}

ASErr AIAPI SetLineWidth(AIAnnotatorDrawer drawer, AIReal width) {
    return Drawing("SetLineWidth", drawer, [&](Host&, DrawerState& state) -> AIErr {
        if (!Finite(width) || width < 0) return kBadParameterErr;
        state.width = width;
        return kNoErr;
    });
}

ASErr AIAPI SetLineDashed(AIAnnotatorDrawer drawer, AIBoolean dashed) {
    return Drawing("SetLineDashed", drawer, [&](Host&, DrawerState& state) -> AIErr {
        state.dashed = dashed != 0;
        return kNoErr;
    });
}

ASErr AIAPI SetFontPreset(AIAnnotatorDrawer drawer, int32_t preset) {
    return Drawing("SetFontPreset", drawer, [&](Host&, DrawerState& state) -> AIErr {
        state.fontPreset = preset;
        return kNoErr;
    });
}

ASErr AIAPI DrawLine(AIAnnotatorDrawer drawer, const AIPoint* start, const AIPoint* end) {
    return Drawing("DrawLine", drawer, [&](Host& host, DrawerState& state) -> AIErr {
        if (!start || !end) return kBadParameterErr;
        DrawOp op;
        op.kind = DrawOp::Kind::Line;
        op.points = {*start, *end};
        Record(host, state, op);
        return kNoErr;
    });
}

AIErr DrawBox(const char* function, DrawOp::Kind kind, AIAnnotatorDrawer drawer, const AIRect* rect,
              AIBoolean fill) {
    return Drawing(function, drawer, [&](Host& host, DrawerState& state) -> AIErr {
        if (!rect) return kBadParameterErr;
        DrawOp op;
        op.kind = kind;
        op.rect = *rect;
        op.fill = fill != 0;
        Record(host, state, op);
        return kNoErr;
    });
}

ASErr AIAPI DrawRect(AIAnnotatorDrawer drawer, const AIRect* rect, AIBoolean fill) {
    return DrawBox("DrawRect", DrawOp::Kind::Rect, drawer, rect, fill);
}

ASErr AIAPI DrawEllipse(AIAnnotatorDrawer drawer, const AIRect* rect, AIBoolean fill) {
    return DrawBox("DrawEllipse", DrawOp::Kind::Ellipse, drawer, rect, fill);
}

ASErr AIAPI DrawBezier(AIAnnotatorDrawer drawer, const AIPoint* p0, const AIPoint* p1,
                       const AIPoint* p2, const AIPoint* p3) {
    return Drawing("DrawBezier", drawer, [&](Host& host, DrawerState& state) -> AIErr {
        if (!p0 || !p1 || !p2 || !p3) return kBadParameterErr;
        DrawOp op;
        op.kind = DrawOp::Kind::Bezier;
        op.points = {*p0, *p1, *p2, *p3};
        Record(host, state, op);
        return kNoErr;
    });
}

ASErr AIAPI DrawText(AIAnnotatorDrawer drawer, const char* text, const AIPoint* at) {
    return Drawing("DrawText", drawer, [&](Host& host, DrawerState& state) -> AIErr {
        if (!text || !at) return kBadParameterErr;
        DrawOp op;
        op.kind = DrawOp::Kind::Text;
        op.points = {*at};
        op.text = text;
        Record(host, state, op);
        return kNoErr;
    });
}

AIAnnotatorDrawerSuite drawerSuite = {SetColor,      SetLineWidth, SetLineDashed,
                                      SetFontPreset, DrawLine,     DrawRect,
                                      DrawEllipse,   DrawBezier,   DrawText};
SuiteTable drawerTable(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &drawerSuite);

ASErr AIAPI GetDocumentViewBounds(AIDocumentViewHandle view, AIRealRect* bounds) {
    return HostCall(kAIDocumentViewSuite, "GetDocumentViewBounds", [&](Host& host) -> AIErr {
        if (!bounds) return kBadParameterErr;
        if (!ValidView(host, view)) return kStaleHandleErr;
        const View& v = host.view();
        *bounds =
            AIRealRect{v.origin.h, v.origin.v, v.origin.h + static_cast<float>(v.widthPx) / v.zoom,
                       v.origin.v - static_cast<float>(v.heightPx) / v.zoom};
        return kNoErr;
    });
}

int32_t ToPixel(double v) {
    double r = std::round(v);
    constexpr double lo = std::numeric_limits<int32_t>::min(),
                     hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r < lo ? lo : r > hi ? hi : r);
}

ASErr AIAPI ArtworkPointToViewPoint(AIDocumentViewHandle view, const AIRealPoint* artPoint,
                                    AIPoint* viewPoint) {
    return HostCall(kAIDocumentViewSuite, "ArtworkPointToViewPoint", [&](Host& host) -> AIErr {
        if (!artPoint || !viewPoint || !Finite(*artPoint)) return kBadParameterErr;
        if (!ValidView(host, view)) return kStaleHandleErr;
        const View& v = host.view();
        *viewPoint = AIPoint{ToPixel((double{artPoint->h} - v.origin.h) * v.zoom),
                             ToPixel((double{v.origin.v} - artPoint->v) * v.zoom)};
        return kNoErr;
    });
}

ASErr AIAPI ViewPointToArtworkPoint(AIDocumentViewHandle view, const AIPoint* viewPoint,
                                    AIRealPoint* artPoint) {
    return HostCall(kAIDocumentViewSuite, "ViewPointToArtworkPoint", [&](Host& host) -> AIErr {
        if (!artPoint || !viewPoint) return kBadParameterErr;
        if (!ValidView(host, view)) return kStaleHandleErr;
        const View& v = host.view();
        *artPoint = AIRealPoint{static_cast<float>(v.origin.h + viewPoint->h / double{v.zoom}),
                                static_cast<float>(v.origin.v - viewPoint->v / double{v.zoom})};
        return kNoErr;
    });
}

ASErr AIAPI GetDocumentViewZoom(AIDocumentViewHandle view, AIReal* zoom) {
    return HostCall(kAIDocumentViewSuite, "GetDocumentViewZoom", [&](Host& host) -> AIErr {
        if (!zoom) return kBadParameterErr;
        if (!ValidView(host, view)) return kStaleHandleErr;
        *zoom = host.view().zoom;
        return kNoErr;
    });
}

AIDocumentViewSuite viewSuite = {GetDocumentViewBounds, ArtworkPointToViewPoint,
                                 ViewPointToArtworkPoint, GetDocumentViewZoom};
SuiteTable viewTable(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &viewSuite);

ASErr AIAPI GetDocument(AIDocumentHandle* document) {
    return HostCall(kAIDocumentSuite, "GetDocument", [&](Host& host) -> AIErr {
        if (!document) return kBadParameterErr;
        *document = ToHandle<AIDocumentHandle>(host.documentId());
        return kNoErr;
    });
}

ASErr AIAPI SetDocumentModified(AIBoolean modified) {
    return HostCall(kAIDocumentSuite, "SetDocumentModified", [&](Host& host) -> AIErr {
        host.log().documentModified = modified != 0;
        return kNoErr;
    });
}

AIDocumentSuite documentSuite = {GetDocument, SetDocumentModified};
SuiteTable documentTable(kAIDocumentSuite, kAIDocumentSuiteVersion, &documentSuite);

}  // namespace
}  // namespace host
