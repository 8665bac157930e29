// "AI Cursor Snap Suite": the pointer snapped to crossings of paths.
#include "host/core/host.h"
#include "host/geometry/cursor_snap.h"
#include "host/suites/registry.h"
#include "host/suites/suite_checks.h"

namespace host {

namespace {

ASErr AIAPI Track(AIDocumentViewHandle, AIRealPoint source, const char* control,
                  AIRealPoint* snapped) {
    return Guarded(kAICursorSnapSuite, "Track", [&]() -> ASErr {
        if (!control || !snapped || !Finite(source)) return kBadParameterErr;
        if (!HasCurrentHost()) return kCantHappenErr;
        Host& h = CurrentHost();
        *snapped = SnapCursor(h.document(), h.segmentIndex(), source, control);
        return kNoErr;
    });
}

const AICursorSnapSuite kSuite = {Track};
const SuiteTable kRegistration(kAICursorSnapSuite, kAICursorSnapSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
