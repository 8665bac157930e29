// What the geometric suites check before touching anything they are handed.
#pragma once

#include <cmath>

#include "sdk/types.h"

namespace host {

inline bool Finite(AIReal r) {
    return std::isfinite(r);
}
inline bool Finite(const AIRealPoint& p) {
    return std::isfinite(p.h) && std::isfinite(p.v);
}
inline bool Finite(const AIRealBezier& b) {
    return Finite(b.p0) && Finite(b.p1) && Finite(b.p2) && Finite(b.p3);
}
inline bool Finite(const AIRealMatrix& m) {
    return Finite(m.a) && Finite(m.b) && Finite(m.c) && Finite(m.d) && Finite(m.tx) && Finite(m.ty);
}
inline bool Finite(const AIRealRect& r) {
    return Finite(r.left) && Finite(r.top) && Finite(r.right) && Finite(r.bottom);
}

}  // namespace host
