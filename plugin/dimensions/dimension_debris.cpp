#include "plugin/dimensions/dimension_debris.h"

#include <cstdint>
#include <optional>

#include "plugin/geometry/vectors.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/text_engine.h"

namespace quill {

namespace {

// What the pieces of a group show, gathered piece by piece.
struct Sight {
    std::optional<Point> onlyPoint;  // the one point every anchor met so far lies at
    bool showsSomething = false;
};

void LookAtPath(AIArtHandle path, Sight& sight) {
    try {
        for (const PathSegment& segment : HostPath(path).Anchors()) {
            if (!sight.onlyPoint) sight.onlyPoint = segment.p;
            if (!SamePoint(*sight.onlyPoint, segment.p)) sight.showsSomething = true;
        }
    } catch (const ai::Error&) {
        sight.showsSomething = true;
    }
}

void LookAtText(AIArtHandle text, Sight& sight) {
    try {
        if (ate::TextRange(text).Size() > 0) sight.showsSomething = true;
    } catch (const ai::Error&) {
        sight.showsSomething = true;
    }
}

void LookAtChildren(AIArtHandle group, Sight& sight) {
    AIArtHandle child = nullptr;
    if (sAIArt->GetArtFirstChild(group, &child) != kNoErr) sight.showsSomething = true;
    while (child && !sight.showsSomething) {
        std::int16_t type = 0;
        if (sAIArt->GetArtType(child, &type) != kNoErr) type = -1;
        if (type == kPathArt)
            LookAtPath(child, sight);
        else if (type == kTextFrameArt)
            LookAtText(child, sight);
        else if (type == kGroupArt)
            LookAtChildren(child, sight);
        else
            sight.showsSomething = true;
        if (sAIArt->GetArtSibling(child, &child) != kNoErr) sight.showsSomething = true;
    }
}

}  // namespace

bool ShowsNothing(AIArtHandle group) {
    Sight sight;
    LookAtChildren(group, sight);
    return !sight.showsSomething;
}

}  // namespace quill
