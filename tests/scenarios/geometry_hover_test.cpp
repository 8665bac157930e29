// What each tool sees and shows under the pointer (its classification, cursor, lines and
// marks), driven through the host's suites on real documents.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/core/host.h"
#include "host/text/windows1252.h"
#include "plugin/frame/quill_state.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/tags.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/tool_table.h"
#include "support/document_suites.h"

namespace quill {
namespace {

class HoverTest : public ::testing::Test {
 protected:
    HoverTest() : suites_(host_) { host::SetCurrentHost(&host_); }
    ~HoverTest() override { host::SetCurrentHost(nullptr); }

    host::Art* Path(std::vector<AIPathSegment> segments, bool closed = false) {
        host::Art* path = host_.document().NewArt(host::ArtKind::Path, kPlaceAboveAll, nullptr);
        path->closed = closed;
        host_.document().SetSegments(path, std::move(segments));
        return path;
    }
    host::Art* Polyline(std::vector<AIRealPoint> points, bool closed = false) {
        std::vector<AIPathSegment> s;
        for (AIRealPoint p : points) s.push_back({p, p, p, 1});
        return Path(s, closed);
    }
    host::Art* Circle(float cx, float cy, float r) {
        const float k = 0.5522847771644592f * r;
        return Path({{{cx + r, cy}, {cx + r, cy - k}, {cx + r, cy + k}, 0},
                     {{cx, cy + r}, {cx + k, cy + r}, {cx - k, cy + r}, 0},
                     {{cx - r, cy}, {cx - r, cy + k}, {cx - r, cy - k}, 0},
                     {{cx, cy - r}, {cx - k, cy - r}, {cx + k, cy - r}, 0}},
                    true);
    }
    const HoverState& Classify(float x, float y, Tool& tool) {
        EXPECT_EQ(tool.Classify({x, y}), kNoErr);
        return CurrentHover();
    }

    host::Host host_;
    testing::PluginSuites suites_;
    QuillState state_;
    StateBinding bound_{state_};
};

// (Vertices, sides, arcs and crossings found and measured are the Angle and Circle tools'
// scenarios.)
TEST_F(HoverTest, OnlyTheBezierToolSeesNoCrossings) {
    host::Art* corner = Polyline({{0, 0}, {100, 0}, {100, 100}});
    // The line, on top, is hit first and locked while the corner is tested.
    host::Art* across = Polyline({{40, -30}, {60, 30}});
    const HoverState& crossing = Classify(50.5f, 1, state_.angleTool);
    EXPECT_EQ(crossing.kind, HoverKind::CrossingHit);
    EXPECT_NEAR(crossing.hoverPoint.h, 50, 1e-3);
    EXPECT_EQ(across->attributes & kArtLocked, 0);  // unlocked again
    EXPECT_EQ(corner->attributes & kArtLocked, 0);
    EXPECT_EQ(Classify(50.5f, 1, state_.bezierTool).kind, HoverKind::StraightSegmentHit);
}

TEST_F(HoverTest, DimensionArtIsInvisibleButForItsLines) {
    host::Art* piece = Polyline({{0, 0}, {100, 0}});
    piece->SetTag(tags::kPiece, "jj");
    EXPECT_EQ(Classify(50, 1, state_.angleTool).kind, HoverKind::None);
    EXPECT_EQ(Classify(0, 1, state_.angleTool).kind, HoverKind::None);
    EXPECT_EQ(Classify(0, 1, state_.bezierTool).kind, HoverKind::AnchorHit);
    piece->SetTag(tags::kSegmentMarker, "jj");
    EXPECT_EQ(Classify(50, 1, state_.angleTool).kind, HoverKind::DimensionSegmentHit);
}

TEST_F(HoverTest, AFailingHostCallIsReportedAndTheLockUndone) {
    host::Art* line = Polyline({{0, 0}, {100, 0}});
    host::Faults().Fail("HitTest.HitTestEx", kCantHappenErr, -1);
    EXPECT_EQ(state_.angleTool.Classify({50, 1}), kCantHappenErr);
    EXPECT_EQ(CurrentHover().kind, HoverKind::None);
    host::Faults().Clear();
    host::Faults().Fail("CursorSnap.Track", kCantHappenErr, -1);
    host::Art* across = Polyline({{40, -30}, {60, 30}});
    EXPECT_EQ(state_.angleTool.Classify({50.5f, 1}), kCantHappenErr);
    EXPECT_EQ(line->attributes & kArtLocked, 0);
    EXPECT_EQ(across->attributes & kArtLocked, 0);
    host::Faults().Clear();
    // The lock taken back is asked again when the host refuses it once; refused twice,
    // the path stays locked and the classification fails with the host's code.
    host::Faults().Fail("Art.SetArtUserAttr", kBadParameterErr, 1, 1);
    EXPECT_EQ(state_.angleTool.Classify({50.5f, 1}), kNoErr);
    EXPECT_EQ(across->attributes & kArtLocked, 0);
    host::Faults().Fail("Art.SetArtUserAttr", kBadParameterErr, 2, 1);
    EXPECT_EQ(state_.angleTool.Classify({50.5f, 1}), kBadParameterErr);
    EXPECT_NE(across->attributes & kArtLocked, 0);
    host::Faults().Clear();
}

// The marks a tool says, one short line each.
class RecordedMarks : public HoverMarks {
 public:
    std::vector<std::string> said;

    void Ring(Point at, RingKind kind) override {
        Say() << "ring " << static_cast<int>(kind) << " " << at.h << "," << at.v;
    }
    void Segment(Point from, Point to, float width) override {
        Say() << "segment " << from.h << "," << from.v << " " << to.h << "," << to.v << " "
              << width;
    }
    void Path(const std::vector<PathSegment>& anchors, bool closed, float width) override {
        Say() << "path " << anchors.size() << (closed ? " closed " : " ") << width;
    }
    void PartialPath(const std::vector<PathSegment>&, bool, int a, int b) override {
        Say() << "part " << a << " " << b;
    }
    void Sign(Point, bool plus) override { Say() << (plus ? "plus" : "minus"); }

 private:
    struct Line {
        std::vector<std::string>& to;
        std::ostringstream text;
        ~Line() { to.push_back(text.str()); }
        template <class T>
        Line& operator<<(const T& value) {
            text << value;
            return *this;
        }
    };
    Line Say() { return Line{said, {}}; }
};

TEST_F(HoverTest, EachToolsCursorLinesAndMarksForWhatItFinds) {
    state_.settings.unit = 1;  // millimetres
    state_.settings.lengthOnCurve = 12.5;
    Polyline({{0, 0}, {100, 0}, {100, 100}});
    Circle(300, 300, 50);
    Polyline({{0, 200}, {100, 200}, {100, 300}, {200, 300}});
    using Lines = std::vector<std::string>;
    struct Row {
        std::int32_t tool;
        Point pointer;
        std::int32_t cursor;
        Lines lines;
        Lines marks;
    };
    const Row rows[] = {
        {kSegmentTool, {101, 1}, cursors::kAnchor, {"Point d'ancrage 1"}, {"ring 0 100,0"}},
        {kAngleTool,
         {101, 1},
         cursors::kAnchor,
         {"Point d'ancrage (sommet)", "Angle=90°"},
         {"ring 0 100,0"}},
        {kAngleTool,
         {50, 2},
         cursors::kStraightSegment,
         {"Premier côté de l'angle"},
         {"segment 0,0 100,0 2"}},
        {kCircleTool,
         {335.5f, 335.5f},
         cursors::kArc,
         {"Rayon=R 17,6 mm", "Aire=977,4 mm2"},
         {"path 4 closed 2"}},
        // Over an anchor the Circle tool offers the start of an arc.
        {kCircleTool, {101, 1}, cursors::kAnchor, {"Point initial de l'arc"}, {"ring 0 100,0"}},
        // The Bézier tool tells the length only at the ends of a path.
        {kBezierTool, {1, 1}, cursors::kAnchor, {"Longueur sur courbe = 12,5 mm"}, {"ring 0 0,0"}},
        {kBezierTool,
         {150, 301},
         cursors::kStraightSegment,
         {"Longueur sur courbe = 12,5 mm"},
         {"ring 1 150,300"}},
        {kBezierTool, {101, 250}, cursors::kStraightSegment, {}, {"ring 1 100,250"}},
        // The Parameters tool sees only dimensions, and shows its panel instead.
        {kParametersTool, {50, 2}, cursors::kNothing, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "tool " << row.tool << " at " << row.pointer.h << "," << row.pointer.v);
        Tool& tool = ToolAt(row.tool);
        ASSERT_EQ(tool.Classify(row.pointer), kNoErr);
        EXPECT_EQ(tool.Cursor(CurrentHover().kind, false), row.cursor);
        Lines lines;
        for (const std::string& line : tool.FeedbackLines(CurrentHover()))
            lines.push_back(host::Windows1252ToUtf8(line));
        EXPECT_EQ(lines, row.lines);
        RecordedMarks marks;
        tool.FeedbackMarks(CurrentHover(), marks);
        EXPECT_EQ(marks.said, row.marks);
    }
    state_.settings.diameter = true;
    ASSERT_EQ(state_.circleTool.Classify({335.5f, 335.5f}), kNoErr);
    EXPECT_EQ(host::Windows1252ToUtf8(state_.circleTool.FeedbackLines(CurrentHover()).at(0)),
              "Diamètre=Ø 35,3 mm");
    // The Segment tool's cursor for a straight segment stays while its click on one lasts.
    state_.tools.straightSegmentClick = true;
    EXPECT_EQ(Classify(500, 500, state_.segmentTool).kind, HoverKind::None);
    EXPECT_EQ(state_.segmentTool.Cursor(HoverKind::None, false), cursors::kStraightSegment);
    EXPECT_EQ(state_.circleTool.Cursor(HoverKind::None, false), cursors::kNothing);
}

}  // namespace
}  // namespace quill
