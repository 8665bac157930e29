#include "app/update/dimension_offsets.h"

#include "app/update/file_moves.h"
#include "app/update/link_tags.h"

namespace quill::update {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Directions closer than this (as the sine or cosine of their angle) are taken as equal.
constexpr double kAngleTolerance = 1e-3;
// Shorter vectors give no direction, in points.
constexpr double kTinyLength = 1e-6;

Vec Anchor(const host::Art& path, std::size_t i) {
    return FromHost(path.segments[i].p);
}

// The first path piece of `group`, from the top, that `accept` takes.
template <class Accept>
const host::Art* FindPiece(const host::Art& group, Accept&& accept) {
    const auto& children = group.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->kind() == host::ArtKind::Path && accept(**it)) return it->get();
    return nullptr;
}

const host::Art* MainLine(const host::Art& group, const char* marker) {
    return FindPiece(group, [&](const host::Art& a) {
        return a.FindTag(marker) && a.FindTag(tags::kMainLine) && !a.segments.empty();
    });
}

// Extension lines run across the dimension line from the measured points: the two-anchor
// pieces without a marker that stand square to it.
void ReadSegment(const host::Document& document, const host::Art& group, const host::Art& lineA,
                 double gap, OldPlacement* old) {
    if (lineA.segments.size() < 2) return;
    old->alongAxis = group.name == group_names::kHorizontal || group.name == group_names::kVertical;
    old->movedElsewhere = !MoveOf(document, lineA).IsIdentity();
    old->lineStart = Anchor(lineA, 0);
    old->lineEnd = Anchor(lineA, lineA.segments.size() - 1);
    const Vec along = Unit(old->lineEnd - old->lineStart);
    std::vector<Vec> measured;
    for (const auto& child : group.children()) {
        const host::Art& a = *child;
        if (a.kind() != host::ArtKind::Path || a.segments.size() != 2 ||
            a.FindTag(tags::kSegmentMarker) || measured.size() == 2)
            continue;
        const Vec from = Anchor(a, 0), outwards = Unit(Anchor(a, 1) - from);
        if (!MoveOf(document, a).IsIdentity()) old->movedElsewhere = true;
        if (Length(outwards) > 0 && std::fabs(Dot(outwards, along)) < kAngleTolerance)
            measured.push_back(from - gap * outwards);
    }
    if (measured.size() != 2 || Length(along) == 0) return;
    old->known = true;
    old->middle = 0.5 * (measured[0] + measured[1]);
    old->direction = Direction(measured[1] - measured[0]);
    old->foot = FootOnLine(old->middle, old->lineStart, old->lineEnd);
}

// The arc's radius from its first section (a circle tangent at its first anchor through
// the second), and its whole sweep; a right-angle square gives its side.
bool ArcRadius(const host::Art& arc, double* radius, bool* reflex) {
    const auto& s = arc.segments;
    if (s.size() < 2) return false;
    const Vec a = Anchor(arc, 0), handle = FromHost(s[0].out);
    Vec centre;
    if (Length(handle - a) < kTinyLength ||
        !CentreFromTangentAndChord(a, handle, Anchor(arc, 1), &centre)) {
        *radius = Length(Anchor(arc, 1) - a);  // the square's side
        *reflex = false;
        return *radius > 0;
    }
    double sweep = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const Vec u = Anchor(arc, i - 1) - centre, v = Anchor(arc, i) - centre;
        sweep += std::atan2(std::fabs(Cross(u, v)), Dot(u, v));
    }
    *radius = Length(a - centre);
    *reflex = sweep > kPi + kAngleTolerance;
    return true;
}

// The landing runs left when the leader points into the left half, so it tells on which
// side of the circle a three-point leader's bend stands.
void ReadCircle(const host::Document& document, const host::Art& group, const host::Art& leader,
                OldPlacement* old) {
    const auto& s = leader.segments;
    if (s.size() > 1) {
        const Vec bend = Anchor(leader, 1);
        old->shift = bend - Unmoved(MoveOf(document, leader), bend);
    }
    if (s.size() == 3) {
        const Vec landingEnd = Anchor(leader, 0), bend = Anchor(leader, 1),
                  last = Anchor(leader, 2);
        if (Length(bend - last) < kTinyLength) return;
        Vec u = Unit(bend - last);
        const double landing = landingEnd.x - bend.x;
        old->bendInside = std::fabs(u.x) > kAngleTolerance && (landing < 0) != (u.x < 0);
        if (old->bendInside) u = -1 * u;
        old->leaderDirection = u;
        old->beyondLast = Length(bend - last);
        old->known = true;
        return;
    }
    const host::Art* radiusLine = FindPiece(group, [](const host::Art& a) {
        return a.FindTag(tags::kCircleMarker) && !a.FindTag(tags::kMainLine) &&
               a.segments.size() == 2;
    });
    if (s.size() != 2 || !radiusLine) return;
    // A diameter's line is centred on the circle; a radius line starts at the centre.
    const bool diameter = LabelOf(group).rfind("\xC3\x98", 0) == 0;  // "Ø"
    const Vec start = Anchor(*radiusLine, 0), end = Anchor(*radiusLine, 1);
    const Vec centre = diameter ? 0.5 * (start + end) : start;
    const Vec u = Unit(end - centre);
    if (Length(u) == 0) return;
    // The landing starts on the ray: of its two ends, the one nearer the ray.
    const Vec a = Anchor(leader, 0), b = Anchor(leader, 1);
    const Vec bend = std::fabs(Cross(a - centre, u)) < std::fabs(Cross(b - centre, u)) ? a : b;
    old->landingOnly = true;
    old->leaderDirection = u;
    old->bendDistance = Dot(bend - centre, u);
    old->radiusLineReach = Length(end - centre);
    old->known = true;
}

Vec SegmentRelease(const OldPlacement& old, const std::vector<AIPathSegment>& anchors) {
    const Vec first = FromHost(anchors[0].p), second = FromHost(anchors[1].p);
    const Vec middle = 0.5 * (first + second);
    if (!old.known || old.movedElsewhere) return FootOnLine(middle, old.lineStart, old.lineEnd);
    if (old.alongAxis) return middle + (old.foot - old.middle);
    // Which extension line was the first point's is not told: the turn is taken modulo a
    // half turn, the smaller of the two.
    double turn = std::remainder(Direction(second - first) - old.direction, kPi);
    return middle + Rotated(old.foot - old.middle, turn);
}

Vec AngleRelease(const OldPlacement& old, const std::vector<AIPathSegment>& anchors,
                 const host::Art& rebuilt) {
    const Vec side1 = FromHost(anchors[0].p), vertex = FromHost(anchors[1].p),
              side2 = FromHost(anchors[2].p);
    double radius = old.radius;
    bool reflex = old.reflex;
    if (!old.known) {
        const host::Art* arc = FindPiece(
            rebuilt, [](const host::Art& a) { return a.FindTag(tags::kAngleMarker) != nullptr; });
        if (!arc || !ArcRadius(*arc, &radius, &reflex)) return vertex;
    }
    Vec inside = Unit(Unit(side1 - vertex) + Unit(side2 - vertex));
    if (Length(inside) == 0) inside = Perpendicular(Unit(side1 - vertex));
    return vertex + (reflex ? -radius : radius) * inside;
}

Vec CircleReleaseInPlace(const OldPlacement& old, const std::vector<AIPathSegment>& anchors,
                         const host::Art& rebuilt) {
    const AIPathSegment& a = anchors[0];
    const bool inRetracted = a.in.h == a.p.h && a.in.v == a.p.v;
    Vec centre;
    const host::Art* leader = MainLine(rebuilt, tags::kCircleMarker);
    if (!CentreFromTangentAndChord(FromHost(a.p), FromHost(inRetracted ? a.out : a.in),
                                   FromHost(anchors[1].p), &centre))
        return leader && leader->segments.size() > 1 ? Anchor(*leader, 1) : FromHost(a.p);
    const double radius = Length(FromHost(a.p) - centre);
    const Vec u = old.leaderDirection;
    if (old.landingOnly) {
        // The arrowhead's inset at the radius line's end, as the new dimension has it.
        const host::Art* line = FindPiece(rebuilt, [](const host::Art& p) {
            return p.FindTag(tags::kCircleMarker) && !p.FindTag(tags::kMainLine) &&
                   p.segments.size() == 2;
        });
        const double inset = line ? radius - Length(Anchor(*line, 1) - centre) : 0;
        return centre + (radius + old.bendDistance - old.radiusLineReach - inset) * u;
    }
    if (old.bendInside) return centre + (radius - old.beyondLast) * u;
    // Outside, the leader's last point stands off the circle by the arrowhead's inset, as
    // the new dimension shows it.
    double inset = 0;
    if (leader && leader->segments.size() == 3)
        inset = Length(Anchor(*leader, 2) - centre) - radius;
    return centre + (radius + old.beyondLast + inset) * u;
}

// Where the leader stood relative to the circle, moved on as far as another editor moved
// it.
Vec CircleRelease(const OldPlacement& old, const std::vector<AIPathSegment>& anchors,
                  const host::Art& rebuilt) {
    return CircleReleaseInPlace(old, anchors, rebuilt) + old.shift;
}

}  // namespace

OldPlacement ReadOldPlacement(const host::Document& document, const host::Art& group,
                              const host::Art& linkPiece, DimensionKind kind, double extensionGap) {
    OldPlacement old;
    old.kind = kind;
    if (kind == DimensionKind::Segment) ReadSegment(document, group, linkPiece, extensionGap, &old);
    if (kind == DimensionKind::Angle) old.known = ArcRadius(linkPiece, &old.radius, &old.reflex);
    if (kind == DimensionKind::Circle) ReadCircle(document, group, linkPiece, &old);
    return old;
}

Vec ReleasePoint(const OldPlacement& old, const std::vector<AIPathSegment>& anchors,
                 const host::Art& rebuilt) {
    switch (old.kind) {
        case DimensionKind::Segment:
            return SegmentRelease(old, anchors);
        case DimensionKind::Angle:
            return AngleRelease(old, anchors, rebuilt);
        case DimensionKind::Circle:
            return CircleRelease(old, anchors, rebuilt);
        case DimensionKind::Other:
            break;
    }
    return FromHost(anchors.front().p);
}

}  // namespace quill::update
