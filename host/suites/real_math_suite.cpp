// "AI Real Math Suite": closeness of points, rectangle tests, angle units.
#include <algorithm>
#include <cmath>

#include "host/suites/registry.h"
#include "host/suites/suite_checks.h"

namespace host {

namespace {

// The rectangle with its sides in order, whichever way up it was given.
struct Sides {
    float left, bottom, right, top;
};
Sides Normalised(const AIRealRect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

ASErr AIAPI AIRealPointClose(const AIRealPoint* a, const AIRealPoint* b, AIReal tolerance,
                             AIBoolean* close) {
    return Guarded(kAIRealMathSuite, "AIRealPointClose", [&]() -> ASErr {
        if (!a || !b || !close || !Finite(*a) || !Finite(*b) || !Finite(tolerance))
            return kBadParameterErr;
        *close = std::fabs(a->h - b->h) <= tolerance && std::fabs(a->v - b->v) <= tolerance;
        return kNoErr;
    });
}

ASErr AIAPI AIRealRectOverlap(const AIRealRect* a, const AIRealRect* b, AIBoolean* overlap) {
    return Guarded(kAIRealMathSuite, "AIRealRectOverlap", [&]() -> ASErr {
        if (!a || !b || !overlap || !Finite(*a) || !Finite(*b)) return kBadParameterErr;
        const Sides p = Normalised(*a), q = Normalised(*b);
        *overlap = p.left <= q.right && q.left <= p.right && p.bottom <= q.top && q.bottom <= p.top;
        return kNoErr;
    });
}

ASErr AIAPI AIRealRectInAIRealRect(const AIRealRect* outer, const AIRealRect* inner,
                                   AIBoolean* inside) {
    return Guarded(kAIRealMathSuite, "AIRealRectInAIRealRect", [&]() -> ASErr {
        if (!outer || !inner || !inside || !Finite(*outer) || !Finite(*inner))
            return kBadParameterErr;
        const Sides o = Normalised(*outer), i = Normalised(*inner);
        *inside = o.left <= i.left && i.right <= o.right && o.bottom <= i.bottom && i.top <= o.top;
        return kNoErr;
    });
}

ASErr AIAPI RadianToDegree(AIReal radians, AIReal* degrees) {
    return Guarded(kAIRealMathSuite, "RadianToDegree", [&]() -> ASErr {
        if (!degrees || !Finite(radians)) return kBadParameterErr;
        *degrees = static_cast<AIReal>(radians * (180.0 / M_PI));
        return kNoErr;
    });
}

ASErr AIAPI DegreeToRadian(AIReal degrees, AIReal* radians) {
    return Guarded(kAIRealMathSuite, "DegreeToRadian", [&]() -> ASErr {
        if (!radians || !Finite(degrees)) return kBadParameterErr;
        *radians = static_cast<AIReal>(degrees * (M_PI / 180.0));
        return kNoErr;
    });
}

const AIRealMathSuite kSuite = {AIRealPointClose, AIRealRectOverlap, AIRealRectInAIRealRect,
                                RadianToDegree, DegreeToRadian};
const SuiteTable kRegistration(kAIRealMathSuite, kAIRealMathSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
