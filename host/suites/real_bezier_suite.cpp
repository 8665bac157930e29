// "AI Real Bezier Suite": the host's Bézier services, in double precision inside.
#include "host/geometry/bezier.h"
#include "host/suites/registry.h"
#include "host/suites/suite_checks.h"

namespace host {

namespace {

AIRealPoint ToPoint(geom::Vec v) {
    return {static_cast<AIReal>(v.x), static_cast<AIReal>(v.y)};
}

ASErr AIAPI Evaluate(const AIRealBezier* bezier, AIReal t, AIRealPoint* point) {
    return Guarded(kAIRealBezierSuite, "Evaluate", [&]() -> ASErr {
        if (!bezier || !point || !Finite(*bezier) || !Finite(t)) return kBadParameterErr;
        *point = ToPoint(geom::Evaluate(geom::FromBezier(*bezier), t));
        return kNoErr;
    });
}

ASErr AIAPI Tangent(const AIRealBezier* bezier, AIReal t, AIRealVector* tangent) {
    return Guarded(kAIRealBezierSuite, "Tangent", [&]() -> ASErr {
        if (!bezier || !tangent || !Finite(*bezier) || !Finite(t)) return kBadParameterErr;
        *tangent = ToPoint(geom::TangentVector(geom::FromBezier(*bezier), t));
        return kNoErr;
    });
}

ASErr AIAPI Length(const AIRealBezier* bezier, AIReal flatness, AIReal* length) {
    return Guarded(kAIRealBezierSuite, "Length", [&]() -> ASErr {
        if (!bezier || !length || !Finite(*bezier) || !Finite(flatness)) return kBadParameterErr;
        *length = static_cast<AIReal>(geom::Length(geom::FromBezier(*bezier)));
        return kNoErr;
    });
}

ASErr AIAPI TAtLength(const AIRealBezier* bezier, AIReal length, AIReal bezierLength,
                      AIReal flatness, AIReal* t) {
    return Guarded(kAIRealBezierSuite, "TAtLength", [&]() -> ASErr {
        if (!bezier || !t || !Finite(*bezier) || !Finite(length) || !Finite(bezierLength) ||
            !Finite(flatness))
            return kBadParameterErr;
        *t = static_cast<AIReal>(geom::TAtLength(geom::FromBezier(*bezier), length));
        return kNoErr;
    });
}

ASErr AIAPI Divide(const AIRealBezier* bezier, AIReal t, AIRealBezier* first,
                   AIRealBezier* second) {
    return Guarded(kAIRealBezierSuite, "Divide", [&]() -> ASErr {
        if (!bezier || !Finite(*bezier) || !(t >= 0 && t <= 1)) return kBadParameterErr;
        geom::Cubic before, after;
        geom::Split(geom::FromBezier(*bezier), t, &before, &after);
        if (first) *first = geom::ToBezier(before);
        if (second) *second = geom::ToBezier(after);
        return kNoErr;
    });
}

const AIRealBezierSuite kSuite = {Evaluate, Tangent, Length, TAtLength, Divide};
const SuiteTable kRegistration(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
