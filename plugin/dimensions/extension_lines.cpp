#include "plugin/dimensions/extension_lines.h"

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/affine.h"
#include "plugin/services/host_art.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr double kOvershootPerZoom = 0.04;

}  // namespace

float ExtensionOvershoot() {
    return static_cast<float>(kOvershootPerZoom * Settings().arrowSize);
}

bool EnsureExtensionLines(int slot, AIErr* result) {
    DimensionSlot& pieces = ArtSet().slots[slot];
    if (!Settings().extensionLines) {
        *result = DisposeArt(pieces.extension[0]);
        *result = DisposeArt(pieces.extension[1]);
        return false;
    }
    if (!IsValidArt(pieces.extension[0]))
        *result = NewPathPiece(pieces.label, 2, &pieces.extension[0]);
    if (!IsValidArt(pieces.extension[1]))
        *result = NewPathPiece(pieces.extension[0], 2, &pieces.extension[1]);
    return true;
}

AIErr PlaceExtensionLines(float angle, float offset) {
    AIErr result = kNoErr;
    if (!EnsureExtensionLines(0, &result)) return result;
    const SettingsRecord& s = Settings();
    const auto gap = static_cast<float>(s.extensionGap);
    const auto overshoot = ExtensionOvershoot();
    const Point from = offset > 0 ? Point{0, gap} : Point{0, -gap};
    const Point to = offset > 0 ? Point{0, offset + overshoot} : Point{0, offset - overshoot};

    const DimensionBuildState& state = BuildState();
    const Point ends[2] = {state.first, state.second};
    const Matrix rotation = RotationMatrix(angle);
    for (int i = 0; i < 2; ++i) {
        AIArtHandle line = ArtSet().slots[0].extension[i];
        result = SetStraightLine(from, to, line, LineRole::ExtensionLine);
        result = TransformPiece(line, Then(rotation, TranslationMatrix(ends[i].h, ends[i].v)));
    }
    return result;
}

}  // namespace quill
