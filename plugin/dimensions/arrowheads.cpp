#include "plugin/dimensions/arrowheads.h"

#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/affine.h"
#include "plugin/geometry/arrow_shapes.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"

namespace quill {

AIErr ShapeArrowhead(AIArtHandle arrow, Point tip, float rotation) {
    const ArrowShapeTable& shape = Settings().arrowOutline;
    const PaintStyles& styles = Styles();
    const auto k = static_cast<float>(Settings().arrowSize / 100.0);
    AIErr result = sAIPathStyle->SetPathStyle(
        arrow, shape.style == ArrowStyle::FillStyle ? &styles.fill : &styles.stroke);
    result = SetPathShape(arrow, shape.segments, static_cast<std::int16_t>(shape.segmentCount),
                          shape.closed);
    const Matrix m =
        Then(Then(ScaleMatrix(k, k), RotationMatrix(rotation)), TranslationMatrix(tip.h, tip.v));
    result = TransformPiece(arrow, m);
    return result;
}

bool EnsureArrowheads(int slot, AIArtHandle below, AIErr* result) {
    DimensionSlot& pieces = ArtSet().slots[slot];
    if (Settings().arrowSize == 0) {
        *result = DisposeArt(pieces.arrowhead[0]);
        *result = DisposeArt(pieces.arrowhead[1]);
        return false;
    }
    if (!IsValidArt(pieces.arrowhead[0])) *result = NewPathPiece(below, 0, &pieces.arrowhead[0]);
    if (!IsValidArt(pieces.arrowhead[1]))
        *result = NewPathPiece(pieces.arrowhead[0], 0, &pieces.arrowhead[1]);
    return true;
}

float ScaledArrowInset() {
    return Settings().arrowOutline.arrowInset * static_cast<float>(Settings().arrowSize / 100.0);
}

float LineInset(ArrowDirection direction) {
    return direction == ArrowDirection::Outward ? 0 : ScaledArrowInset();
}

AIErr PlaceArrowheads(Point tip1, Point tip2, float angle, ArrowDirection direction, int slot) {
    const bool outward = direction == ArrowDirection::Outward;
    DimensionSlot& pieces = ArtSet().slots[slot];
    AIErr result = kNoErr;
    if (!EnsureArrowheads(slot, pieces.lineA, &result)) return result;
    const float turned = angle + kPi;
    result = ShapeArrowhead(pieces.arrowhead[0], tip1, outward ? turned : angle);
    result = ShapeArrowhead(pieces.arrowhead[1], tip2, outward ? angle : turned);
    return result;
}

}  // namespace quill
