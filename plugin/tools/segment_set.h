// A set of segment dimensions under way with the Segment tool: a chain (each member from
// the last one's second point, on one line), a baseline set (each from the first point,
// one step further out) or ordinates (a zero, then each point's coordinate on a leader
// to a common line). Every member is an ordinary segment dimension of the drawing, in a
// group of its own, linked to what it measures and tagged with the set's name and line.
// The set lasts until Esc, a click on empty canvas or another tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/drag_keys.h"
#include "plugin/dimensions/set_line.h"
#include "plugin/tools/segment_gesture.h"

namespace quill {

class SegmentSet {
 public:
    bool UnderWay() const { return !members_.empty(); }
    std::int32_t Mode() const { return mode_; }
    SetLineKind Kind() const { return kind_; }
    /// Whether the press under way added a member: its drag moves the set's line.
    bool Placing() const { return placing_ >= 0; }
    /// The point the next member measures from: the last point of a chain, the first
    /// point of a baseline set, the zero of ordinates.
    Point From() const;

    /// A chain or baseline set (`mode`) begins with the dimension just placed, in the
    /// current pieces, between `first` and `second`; nothing for a type that makes no set.
    AIErr Begin(std::int32_t mode, const ClickedPoint& first, const ClickedPoint& second);
    /// Ordinates begin at `zero`: its own leader, labelled 0, at "Attaches" from it.
    BuildResult BeginOrdinates(const ClickedPoint& zero);
    /// The next member, to `point`, on the set's line.
    BuildResult Add(const ClickedPoint& point);
    /// The button held after a member was added: the set's line follows the pointer, the
    /// member's keys as for one dimension.
    BuildResult Drag(Point pointer, const DragKeys& keys);
    /// The press is over: the member keeps its pieces, every member the tags of its line.
    AIErr Release();
    /// The set is over; its dimensions stay as they are.
    void End() { *this = SegmentSet{}; }

 private:
    struct Member {
        DimensionArtSet pieces;
        DimensionBuildState geometry;
        SetLine line;
        int rank = 0;      // a baseline member's steps out from the first line
        float orient = 1;  // -1: an oblique member measured against the set's direction
    };

    BuildResult AddMember(const ClickedPoint& from, const ClickedPoint& to, int rank);
    SetLine LineOf(const Member& member) const;
    void MoveMember(Member& member, const DragKeys& keys);

    std::int32_t mode_ = 0;
    SetLineKind kind_ = SetLineKind::Horizontal;
    std::string name_;
    ClickedPoint origin_, last_;
    float base_ = 0;       // the first member's line place
    float step_ = 0;       // a baseline set's step, signed away from the points
    float direction_ = 0;  // an oblique set's direction
    std::vector<Member> members_;
    int placing_ = -1;
};

/// The kind of line a set of the dimension type makes; nothing for the both-ways type.
std::optional<SetLineKind> SetKindOfType(std::int32_t dimensionType, std::int32_t mode);

}  // namespace quill
