#include "plugin/text/area_text.h"

#include "plugin/text/cp1252_literal.h"
#include "plugin/text/units.h"

namespace quill {

namespace {
constexpr Cp1252Literal kCrossedPolygon("Polygone croisé");
}  // namespace

bool FormatArea(const PathReader& path, double squarePoints, bool closedOnly,
                const MeasureFormat& main, LabelText& text) {
    text.Clear();
    if (closedOnly && !path.Closed()) return false;
    return FormatArea(squarePoints, main, text);
}

bool FormatArea(double squarePoints, const MeasureFormat& main, LabelText& text) {
    text.Clear();
    AppendAreaMeasure(squarePoints, main, text);
    return !text.empty();
}

bool PolygonAreaText(const PathReader& path, const MeasureFormat& main, LabelText& text) {
    text.Clear();
    const PolygonAreaResult result = PolygonArea(path);
    switch (result.kind) {
        case PolygonAreaResult::Kind::Crossed:
            text.Append(kCrossedPolygon.c_str());
            return true;
        case PolygonAreaResult::Kind::Area:
            return FormatArea(path, result.area, true, main, text);
        default:
            return false;
    }
}

}  // namespace quill
