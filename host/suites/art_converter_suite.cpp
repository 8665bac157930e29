// "AI Art Converter Suite": a path's stroke turned into filled outline paths.
#include "host/core/host.h"
#include "host/geometry/stroke_outline.h"
#include "host/suites/handles.h"
#include "host/suites/registry.h"

namespace host {

namespace {

ASErr AIAPI OutlineStroke(AIArtHandle path) {
    return Guarded(kAIArtConverterSuite, "OutlineStroke", [&]() -> ASErr {
        Art* art = ArtOf(path);
        if (!art) return kStaleHandleErr;
        if (art->kind() != ArtKind::Path || !art->parent()) return kBadParameterErr;
        const PaintStyle& style = art->style();
        const geom::StrokeShape shape{style.width, style.cap, style.join, style.miterLimit};
        const auto outlines = geom::OutlineStroke(art->segments, art->closed, shape);
        if (outlines.empty()) return kBadParameterErr;
        // An outline the document could not hold leaves the stroke as it was.
        for (const geom::Outline& outline : outlines)
            for (const AIPathSegment& s : outline)
                if (!InDrawingRange(s)) return kBadParameterErr;
        Document& document = CurrentHost().document();
        // The outlines paint what the stroke painted: filled with its colour, unstroked.
        PaintStyle filled = style;
        filled.fillPaint = true;
        filled.fill = style.stroke;
        filled.fillOverprint = style.strokeOverprint;
        filled.strokePaint = false;
        filled.dash.clear();
        for (const geom::Outline& outline : outlines) {
            Art* piece = document.NewArt(ArtKind::Path, kPlaceBelow, art);
            if (!piece) return kCantHappenErr;
            piece->setStyle(filled);
            piece->closed = true;
            document.SetSegments(piece, outline);
        }
        document.Dispose(art);
        return kNoErr;
    });
}

const AIArtConverterSuite kSuite = {OutlineStroke};
const SuiteTable kRegistration(kAIArtConverterSuite, kAIArtConverterSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
