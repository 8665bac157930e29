// "AI Transform Art Suite".
#include "host/core/host.h"
#include "host/geometry/art_matching.h"
#include "host/suites/handles.h"
#include "host/suites/registry.h"
#include "host/suites/suite_checks.h"

namespace host {

namespace {

ASErr AIAPI TransformArt(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale,
                         int32_t flags) {
    return Guarded(kAITransformArtSuite, "TransformArt", [&]() -> ASErr {
        if (!matrix || !Finite(*matrix) || !Finite(lineScale)) return kBadParameterErr;
        if ((flags & kScaleLines) && lineScale < 0) return kBadParameterErr;
        Art* target = ArtOf(art);
        if (!target) return kStaleHandleErr;
        return host::TransformArt(CurrentHost().document(), *target, *matrix, lineScale, flags)
                   ? kNoErr
                   : kBadParameterErr;
    });
}

const AITransformArtSuite kSuite = {TransformArt};
const SuiteTable kRegistration(kAITransformArtSuite, kAITransformArtSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
