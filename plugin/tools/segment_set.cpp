#include "plugin/tools/segment_set.h"

#include <cmath>
#include <utility>

#include "plugin/associative/links.h"
#include "plugin/associative/set_tags.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/segment_art_set.h"
#include "plugin/dimensions/set_dimensions.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_steps.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

// The coordinate of `p` across a line of that kind: what its place is compared with.
float Across(SetLineKind kind, Point p) {
    return kind == SetLineKind::Horizontal || kind == SetLineKind::OrdinateX ? p.v : p.h;
}

// The member's pieces, linked to the points it measures as the tool links its own: a
// snapped first point makes no associative dimension.
AIErr CreateMemberPieces(const ClickedPoint& from, const ClickedPoint& to) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    const Association association =
        from.snapped ? Association::NotAssociative : Association::Associative;
    const BuildResult made = CreateSegmentArtSet(0, association);
    if (made.outcome != BuildOutcome::Built) return made.code;
    HostSteps steps;
    steps << made.code;
    if (from.path && !from.snapped) steps << LinkFirstPoint(from.path, from.anchor);
    if (to.snapped && !from.snapped) MakeSegmentDimensionNonAssociative();
    if (to.path && !to.snapped && !from.snapped) steps << LinkSecondPoint(to.path, to.anchor);
    return steps.Last();
}

}  // namespace

std::optional<SetLineKind> SetKindOfType(std::int32_t dimensionType, std::int32_t mode) {
    if (mode == kOrdinateMode)
        return dimensionType == kVerticalType ? SetLineKind::OrdinateY : SetLineKind::OrdinateX;
    switch (dimensionType) {
        case kObliqueType:
            return SetLineKind::Oblique;
        case kHorizontalType:
            return SetLineKind::Horizontal;
        case kVerticalType:
            return SetLineKind::Vertical;
        default:
            return std::nullopt;
    }
}

Point SegmentSet::From() const {
    return mode_ == kChainMode ? last_.point : origin_.point;
}

AIErr SegmentSet::Begin(std::int32_t mode, const ClickedPoint& first, const ClickedPoint& second) {
    const std::optional<SetLineKind> kind = SetKindOfType(Settings().dimensionType, mode);
    if (!kind || !IsValidArt(ArtSet().group)) return kNoErr;
    *this = SegmentSet{};
    mode_ = mode;
    kind_ = *kind;
    name_ = NewSetName();
    origin_ = first;
    last_ = second;
    Member member{ArtSet(), BuildState(), {}, 0, 1};
    direction_ = member.geometry.direction;
    base_ = BuiltPlace(kind_, Settings().lineOffset);
    member.line = {kind_, base_};
    // Further out: away from the measured points, on the side the first line stands.
    const float side =
        kind_ == SetLineKind::Oblique ? base_ : base_ - Across(kind_, member.geometry.first);
    step_ = static_cast<float>(Settings().baselineStep * Settings().textSize) *
            (side < 0 ? -1.0f : 1.0f);
    members_.push_back(member);
    return TagSetMember(member.pieces.slots[0], name_, member.line);
}

BuildResult SegmentSet::BeginOrdinates(const ClickedPoint& zero) {
    *this = SegmentSet{};
    mode_ = kOrdinateMode;
    kind_ = *SetKindOfType(Settings().dimensionType, kOrdinateMode);
    name_ = NewSetName();
    origin_ = zero;
    base_ = Across(kind_, zero.point) + static_cast<float>(Settings().lineOffset);
    return AddMember(zero, zero, 0);
}

BuildResult SegmentSet::Add(const ClickedPoint& point) {
    const int rank = mode_ == kBaselineMode ? static_cast<int>(members_.size()) : 0;
    const BuildResult added = AddMember(mode_ == kChainMode ? last_ : origin_, point, rank);
    if (added.outcome == BuildOutcome::Built) last_ = point;
    return added;
}

SetLine SegmentSet::LineOf(const Member& member) const {
    return {kind_, member.orient * (base_ + static_cast<float>(member.rank) * step_)};
}

BuildResult SegmentSet::AddMember(const ClickedPoint& from, const ClickedPoint& to, int rank) {
    const AIErr prepared = CreateMemberPieces(from, to);
    if (prepared != kNoErr || !IsValidArt(ArtSet().group))
        return {prepared, BuildOutcome::NothingBuilt};
    DimensionBuildState& state = BuildState();
    state.MeasureBetween(from.point, to.point, to.path);
    Member member;
    member.rank = rank;
    if (kind_ == SetLineKind::Oblique && std::cos(state.direction - direction_) < 0)
        member.orient = -1;
    member.line = LineOf(member);
    const BuildResult built =
        BuildOnSetLine(member.line, DragKeys{}, PointOnLine(member.line, from.point, to.point));
    if (built.outcome != BuildOutcome::Built) return built;
    member.pieces = ArtSet();
    member.geometry = BuildState();
    placing_ = static_cast<int>(members_.size());
    members_.push_back(member);
    const AIErr tagged = TagSetMember(member.pieces.slots[0], name_, member.line);
    return {built.code != kNoErr ? built.code : tagged};
}

// Builds another member again on the set's line as it now stands, in its own pieces.
void SegmentSet::MoveMember(Member& member, const DragKeys& keys) {
    if (!IsValidArt(member.pieces.group)) return;
    std::swap(ArtSet(), member.pieces);
    std::swap(BuildState(), member.geometry);
    member.line = LineOf(member);
    const DimensionBuildState& state = BuildState();
    BuildOnSetLine(member.line, keys, PointOnLine(member.line, state.first, state.second));
    std::swap(ArtSet(), member.pieces);
    std::swap(BuildState(), member.geometry);
}

BuildResult SegmentSet::Drag(Point pointer, const DragKeys& keys) {
    if (!Placing()) return {};
    Member& placed = members_[static_cast<std::size_t>(placing_)];
    const DimensionBuildState& state = BuildState();
    const SetLine line{kind_, PlaceThrough(kind_, state.first, state.second, pointer)};
    const BuildResult built = BuildOnSetLine(line, keys, pointer);
    if (built.outcome != BuildOutcome::Built) return built;
    const float place = BuiltPlace(kind_, built.lineOffset.value_or(line.place));
    base_ = placed.orient * place - static_cast<float>(placed.rank) * step_;
    placed.line = {kind_, place};
    // The others follow with the arrowheads' key; the label keys move the member placed.
    DragKeys others;
    others.control = keys.control;
    for (Member& member : members_)
        if (&member != &placed) MoveMember(member, others);
    return built;
}

AIErr SegmentSet::Release() {
    if (!Placing()) return kNoErr;
    Member& placed = members_[static_cast<std::size_t>(placing_)];
    placed.pieces = ArtSet();
    placed.geometry = BuildState();
    placing_ = -1;
    HostSteps steps;
    for (const Member& member : members_)
        if (IsValidArt(member.pieces.group))
            steps << TagSetMember(member.pieces.slots[0], name_, member.line);
    return steps.Last();
}

}  // namespace quill
