#include "app/update/file_moves.h"

namespace quill::update {

namespace {

// `outer` after `inner`.
host::PlaneMap After(const host::PlaneMap& outer, const host::PlaneMap& inner) {
    const host::PlaneMap& m = outer;
    const host::PlaneMap& s = inner;
    return {m.a * s.a + m.c * s.b, m.b * s.a + m.d * s.b,       m.a * s.c + m.c * s.d,
            m.b * s.c + m.d * s.d, m.a * s.e + m.c * s.f + m.e, m.b * s.e + m.d * s.f + m.f};
}

}  // namespace

host::PlaneMap MoveOf(const host::Document& document, const host::Art& art) {
    // A group's move came first; what it holds was moved after it by its own.
    host::PlaneMap move;
    for (const host::Art* a = &art; a && !a->layerOfGroup(); a = a->parent())
        move = After(move, document.FileMove(a->id()));
    return move;
}

Vec Unmoved(const host::PlaneMap& m, Vec p) {
    const double det = m.a * m.d - m.b * m.c;
    if (!(std::fabs(det) > 1e-12)) return p;
    const double x = p.x - m.e, y = p.y - m.f;
    return {(m.d * x - m.c * y) / det, (m.a * y - m.b * x) / det};
}

}  // namespace quill::update
