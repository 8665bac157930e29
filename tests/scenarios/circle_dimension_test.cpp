// The Circle tool driven as a person would, checked against the dump. The numbers are
// worked out by hand: "circle 200 200 50" has O = (200, 200), R = 50. A drag to
// (300, 300) points the leader at φ = 45°: P1 = O + 50·(√½, √½) = (235.35534, 235.35534),
// the bend at the pointer. "Ligne" 12 mm is a landing of 12 × 2.8346457 = 34.015748.
// Shape 0 at "Zoom" 150 sets arrowheads back by a = 7 × 1.5 = 10.5: the radius line stops
// at O + 39.5 along φ, (227.93072, 227.93072), and a leader that meets an arrowhead's
// base starts at O + 60.5 along φ, (242.77996, 242.77996).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/scenario.h"

namespace quill::testing {
namespace {

using nlohmann::json;

const std::string& kPrefs = kPointsPrefs;
// The host's circle, pressed on its arc at 45°.
const std::string kOnCircle =
    "doc new\ncircle 200 200 50\nstartup\ntool circle\n"
    "down 235.36 235.36\n";
// A quarter circle of centre (100, 300), R 50, from anchor 0 (150, 300) to anchor 1
// (100, 350), then straight on to anchor 2 (50, 350).
const std::string kQuarter =
    "bezier name quarter : M 150 300 C 150 327.614237 127.614237 350 100 350 L 50 350\n";

// The pieces of the one circle dimension, found by their tags: the leader carries
// "red", the radius line "modc" alone, arrowheads "orl" alone (bottom to top: 2, then
// 1); the lowest text is the label, the others are tolerances.
struct CirclePieces {
    const json *group = nullptr, *label = nullptr, *leader = nullptr, *radiusLine = nullptr;
    std::vector<const json*> arrowheads, tolerances;
    const json* arrow(size_t i) const { return i < arrowheads.size() ? arrowheads[i] : nullptr; }
    const json* arrow1() const { return arrowheads.empty() ? nullptr : arrowheads.back(); }
};

CirclePieces PiecesOf(const Scenario& scenario) {
    CirclePieces p;
    const json* art = LayerArt(scenario.dump, "Dimensions");
    EXPECT_TRUE(art && art->size() == 1u) << scenario.dump["layers"];
    if (!art || art->empty()) return p;
    p.group = &art->back();
    for (const json& piece : (*p.group)["art"]) {
        if (piece["type"] == "text")
            (p.label ? p.tolerances.push_back(&piece) : void(p.label = &piece));
        else if (piece["tags"].contains(tags::kMainLine))
            p.leader = &piece;
        else if (piece["tags"].contains(tags::kCircleMarker))
            p.radiusLine = &piece;
        else
            p.arrowheads.push_back(&piece);
    }
    return p;
}
// The pieces point into the scenario's dump, which must outlive them.
CirclePieces PiecesOf(const Scenario&& scenario) = delete;

// The anchors of a path piece, one by one.
void ExpectAnchors(const json* path, std::vector<DumpPoint> points, const std::string& where) {
    SCOPED_TRACE(where);
    ASSERT_TRUE(path);
    ASSERT_EQ((*path)["segments"].size(), points.size());
    for (size_t i = 0; i < points.size(); ++i)
        EXPECT_POINT_NEAR((*path)["segments"][i]["p"], points[i].h, points[i].v, 1e-3);
}
// Anchor i of a path piece.
void ExpectAnchor(const json* path, size_t i, DumpPoint point, const std::string& where) {
    SCOPED_TRACE(where);
    ASSERT_TRUE(path && (*path)["segments"].size() > i);
    EXPECT_POINT_NEAR((*path)["segments"][i]["p"], point.h, point.v, 1e-3);
}

TEST(CircleDimension, RadiusOnTheHostsCircleIsBuiltPieceByPiece) {
    const Scenario s = RunToEnd(kPrefs + "pref AvecToleranceUn true\npref DecalageSegY 5.0\n" +
                                kOnCircle + "drag 300 300\n");
    EXPECT_TRUE(s.dump["alerts"].empty());
    const CirclePieces p = PiecesOf(s);
    ASSERT_TRUE(p.label);
    EXPECT_EQ((*p.group)["name"], "Cercle Rayon");
    ExpectAnchors(p.leader, {{334.015748, 300}, {300, 300}, {235.35534, 235.35534}}, "leader");
    ExpectAnchors(p.radiusLine, {{200, 200}, {227.93072, 227.93072}}, "radius line");
    // One arrowhead: its tip at P1 pointing out, its notch on the radius line's end.
    ASSERT_EQ(p.arrowheads.size(), 1u);
    ExpectAnchor(p.arrow1(), 0, {235.35534, 235.35534}, "tip");
    ExpectAnchor(p.arrow1(), 3, {227.93072, 227.93072}, "notch");
    // The label starts at the landing's end, raised by "DecalageSegY" as it reads right;
    // the tolerance starts where the label ends.
    EXPECT_EQ((*p.label)["contents"], "R 50 pt");
    EXPECT_EQ((*p.label)["justification"], "left");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 334.015748, 305, 1e-3);
    ASSERT_EQ(p.tolerances.size(), 1u);
    EXPECT_NEAR((*p.tolerances[0])["anchor"][0].get<double>(),
                (*p.label)["bounds"][2].get<double>(), 1e-3);
    // The links: on the circle, and on both lines with the arc's anchors 0 and 1.
    EXPECT_EQ(s.dump["layers"][0]["art"][0]["tags"][tags::kCircleLink], "0");
    const json link = {{tags::kPiece, "jj"},
                       {tags::kCircleMarker, "jj"},
                       {tags::kCircleLink, "0"},
                       {tags::kIndex1, "0"},
                       {tags::kIndex2, "1"}};
    EXPECT_EQ((*p.radiusLine)["tags"], link);
    json mainLine = link;
    mainLine[tags::kMainLine] = "jj";
    EXPECT_EQ((*p.leader)["tags"], mainLine);
}

TEST(CircleDimension, LeaderFollowsThePointerAndTheKeys) {
    const std::string bare = "pref AvecRayTrace false\n";
    struct Row {
        std::string prefs, drags;
        std::vector<DumpPoint> leader;
        DumpPoint notch;  // of arrowhead 1, 10.5 from its tip at P1
        DumpPoint label;
    };
    // clang-format off
    const Row rows[] = {
        // Inside, along the radius line: the landing alone, from O + 14.142136 at 45°.
        {"", "drag 210 210", {{244.015748, 210}, {210, 210}},
         {227.93072, 227.93072}, {244.015748, 210}},
        // Control: the arrowhead along the leader, which starts at its base.
        {"", "drag 300 300 ctrl", {{334.015748, 300}, {300, 300}, {242.77996, 242.77996}},
         {242.77996, 242.77996}, {334.015748, 300}},
        // Shift: 5.7° goes up to 45°; the bend 100.49876 from O.
        {"", "drag 300 210 shift",
         {{305.07910, 271.06335}, {271.06335, 271.06335}, {235.35534, 235.35534}},
         {227.93072, 227.93072}, {305.07910, 271.06335}},
        // Escape: only the label moves.
        {"", "drag 300 300\ndrag 150 400 esc",
         {{334.015748, 300}, {300, 300}, {235.35534, 235.35534}},
         {227.93072, 227.93072}, {150, 400}},
        // Alt keeps the bend 14.142136 from O: at 135°, (190, 210); the landing goes left.
        {"", "drag 210 210\ndrag 100 300 alt", {{155.984252, 210}, {190, 210}},
         {172.06928, 227.93072}, {155.984252, 210}},
        // No radius line: the arrowhead ends the leader, pointing in; inside, the leader
        // runs on to P1, or with Control to the base of the arrowhead turned out.
        {bare, "drag 300 300", {{334.015748, 300}, {300, 300}, {242.77996, 242.77996}},
         {242.77996, 242.77996}, {334.015748, 300}},
        {bare, "drag 210 210", {{244.015748, 210}, {210, 210}, {235.35534, 235.35534}},
         {242.77996, 242.77996}, {244.015748, 210}},
        {bare, "drag 210 210 ctrl", {{244.015748, 210}, {210, 210}, {227.93072, 227.93072}},
         {227.93072, 227.93072}, {244.015748, 210}},
    };
    // clang-format on
    for (const Row& row : rows) {
        const Scenario s = RunToEnd(kPrefs + row.prefs + kOnCircle + row.drags + "\n");
        const CirclePieces p = PiecesOf(s);
        const std::string where = row.prefs + row.drags;
        ExpectAnchors(p.leader, row.leader, where);
        ExpectAnchor(p.arrow1(), 3, row.notch, where);
        ASSERT_TRUE(p.label) << where;
        SCOPED_TRACE(where);
        EXPECT_POINT_NEAR((*p.label)["anchor"], row.label.h, row.label.v, 1e-3);
        EXPECT_EQ(p.radiusLine == nullptr, row.prefs == bare) << where;
    }
}

TEST(CircleDimension, AltShowsTheDiameterLeftOfTheCircle) {
    // Shape 2 (outlined triangle, inset 9): a = 13.5. At φ = 135° P1 = (164.64466,
    // 235.35534) and P2 = (235.35534, 164.64466); the line runs from O − 36.5 to O + 36.5
    // along φ; Alt keeps the bend 141.42136 from O, at (100, 300).
    const Scenario s = RunToEnd(kPrefs + "pref NumeroDeFleche 2\npref DecalageSegY 5.0\n" +
                                kOnCircle + "drag 300 300\ndrag 100 300 alt\n");
    const CirclePieces p = PiecesOf(s);
    ASSERT_TRUE(p.label);
    EXPECT_EQ((*p.label)["contents"], "Ø 100 pt");
    EXPECT_EQ((*p.label)["justification"], "right");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 65.984252, 300, 1e-3);  // not raised
    ExpectAnchors(p.leader, {{65.984252, 300}, {100, 300}, {164.64466, 235.35534}}, "leader");
    ExpectAnchors(p.radiusLine, {{225.80940, 174.19060}, {174.19060, 225.80940}}, "diameter");
    // Arrowhead 2 at P2 is filled although the shape is outlined; arrowhead 1 is not.
    ASSERT_EQ(p.arrowheads.size(), 2u);
    ExpectAnchor(p.arrow(0), 1, {235.35534, 164.64466}, "tip 2");
    EXPECT_NE((*p.arrow(0))["style"]["fill"], nullptr);
    EXPECT_EQ((*p.arrow(0))["closed"], true);
    EXPECT_EQ((*p.arrow(1))["style"]["fill"], nullptr);
}

TEST(CircleDimension, SignsOfRadiusAndDiameter) {
    struct Row {
        const char *prefs, *keys, *label, *group;
        size_t arrowheads;
    };
    const Row rows[] = {
        {"pref RouDAvant false\n", "", "50 pt R", "Cercle Rayon", 1},
        {"pref RouD false\n", "", "50 pt", "Cercle Rayon", 1},
        {"pref Diametre true\n", "", "Ø 100 pt", "Cercle Diamètre", 2},
        {"pref Diametre true\n", " alt", "R 50 pt", "Cercle Diamètre", 1},
    };
    for (const Row& row : rows) {
        const Scenario s =
            RunToEnd(kPrefs + row.prefs + kOnCircle + "drag 300 300" + row.keys + "\n");
        const CirclePieces p = PiecesOf(s);
        ASSERT_TRUE(p.label) << row.prefs;
        EXPECT_EQ((*p.label)["contents"], row.label) << row.prefs << row.keys;
        EXPECT_EQ((*p.group)["name"], row.group) << row.prefs << row.keys;
        EXPECT_EQ(p.arrowheads.size(), row.arrowheads) << row.prefs << row.keys;
    }
}

TEST(CircleDimension, ArcOfAPathClickedWholeOrByItsTwoEnds) {
    // Either way the circle of the quarter, P1 at 45° = (135.35534, 335.35534).
    const std::string start = kPrefs + "doc new\n" + kQuarter + "startup\ntool circle\n";
    const std::string place = "drag 200 400\nup 200 400\n";
    Scenario s = RunToEnd(start + "down 135.36 335.36\n" + place);
    CirclePieces p = PiecesOf(s);
    ExpectAnchor(p.leader, 2, {135.35534, 335.35534}, "arc");
    EXPECT_EQ((*p.label)["contents"], "R 50 pt");
    // By its two ends: no link, so that a click on the leader rebuilds nothing.
    s = RunToEnd(start + "click 150 300\ndown 100 350\n" + place);
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    p = PiecesOf(s);
    ExpectAnchor(p.leader, 2, {135.35534, 335.35534}, "two ends");
    EXPECT_EQ((*p.label)["contents"], "R 50 pt");
    EXPECT_FALSE((*p.leader)["tags"].contains(tags::kCircleLink));
    EXPECT_TRUE(s.dump["layers"][0]["art"][0]["tags"].empty());
    const Scenario clicked =
        RunToEnd(start + "click 150 300\ndown 100 350\n" + place + "click 217 400\n");
    EXPECT_EQ(*LayerArt(clicked.dump, "Dimensions"), *LayerArt(s.dump, "Dimensions"));
    // A click without a drag shapes nothing: mouse-up removes the whole dimension.
    s = RunToEnd(start + "click 135.36 335.36\n");
    EXPECT_TRUE(LayerArt(s.dump, "Dimensions")->empty()) << *LayerArt(s.dump, "Dimensions");
}

TEST(CircleDimension, RefusedClicksLeaveTheDrawingAsItWas) {
    const std::string notAnEnd = "Ce point n'est pas l'extrémité d'un arc de cercle.";
    const std::pair<const char*, std::string> rows[] = {
        {"click 50 350\n", notAnEnd},                 // a corner: no handles
        {"click 150 300\nclick 50 350\n", notAnEnd},  // the second end a corner
        {"click 150 300\nclick 250 350\n",            // an end of another arc
         "Les deux points doivent appartenir à un même tracé."},
        {"click 150 300\nclick 135.36 335.36\n",  // the arc, not an end
         "Vous devez cliquer sur un second point\r\r(seconde extrémité de l'arc de cercle)"
         "\r\rou tenir la touche Contrôle enfoncée."},
    };
    const std::string start = kPrefs + "doc new\n" + kQuarter +
                              "bezier name other : M 250 350 C 250 377.6 227.6 400 200 400\n"
                              "startup\ntool circle\n";
    for (const auto& [clicks, alert] : rows) {
        const Scenario s = RunToEnd(start + clicks);
        EXPECT_EQ(s.dump["alerts"], json::array({alert})) << clicks;
        const json* dimensions = LayerArt(s.dump, "Dimensions");
        EXPECT_TRUE(!dimensions || dimensions->empty()) << clicks;
        for (const json& path : s.dump["layers"][0]["art"]) EXPECT_TRUE(path["tags"].empty());
    }
    // After a refused end the next click is a first end again; after the request for a
    // second end, the first end is kept.
    for (const char* clicks : {"click 50 350\nclick 100 350\ndown 150 300\n",
                               "click 150 300\nclick 135 336\ndown 100 350\n"}) {
        const Scenario s = RunToEnd(start + clicks + "drag 0 300\n");
        EXPECT_EQ(s.dump["alerts"].size(), 1u) << clicks;
        EXPECT_EQ((*PiecesOf(s).label)["contents"], "R 50 pt") << clicks;
    }
}

TEST(CircleDimension, AnAngleDimensionsLineGoesToTheAngleTool) {
    // The Angle tool becomes current, as its cursor with Shift and Alt held shows.
    const std::string file =
        SavedDrawing("circle_angle.svg", "doc new\npath name side : 100,100 200,100\n");
    EditFile(file, R"(quill:name="side")", R"(quill:tag-orl="jj" quill:tag-moda="jj")");
    const std::string open = "doc open " + file + "\nstartup\ntool circle\n";
    EXPECT_EQ(RunToEnd(open + "move 400 400 shift alt\n").dump["cursor"], cursors::kNothing);
    EXPECT_EQ(RunToEnd(open + "click 150 100\nmove 400 400 shift alt\n").dump["cursor"],
              cursors::kAnchor);
}

// The quarter dimensioned by its arc with the leader at 45°, saved, edited by `edit`,
// opened again, and the landing of the leader clicked.
template <class Edit>
Scenario RebuildAfterEditing(Edit&& edit) {
    const std::string file =
        SavedDrawing("circle_saved.svg", kPrefs + "doc new\n" + kQuarter +
                                             "startup\ntool circle\ndown 135.36 335.36\n"
                                             "drag 200 400\nup 200 400\n");
    const std::string edited = edit(FileText(file));
    std::ofstream(file) << edited;
    return RunToEnd(kPrefs + "doc open " + file + "\nstartup\ntool circle\nclick 217 400\n");
}

TEST(CircleDimension, SavedDimensionRebuildsOnTheMovedAnchors) {
    // The quarter grows to R 80 about the same centre. The new session's leader points
    // along φ = 0 and bends 30 outside the circle: P1 (180, 300), bend (210, 300).
    const Scenario s = RebuildAfterEditing([](const std::string& text) {
        return Edited(text, R"(d="M 150 300 C [^"]*")",
                      R"(d="M 180 300 C 180 344.182 144.182 380 100 380 L 50 380")");
    });
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const CirclePieces p = PiecesOf(s);
    ASSERT_TRUE(p.label);
    EXPECT_EQ((*p.label)["contents"], "R 80 pt");
    ExpectAnchors(p.leader, {{244.015748, 300}, {210, 300}, {180, 300}}, "rebuilt");
    EXPECT_EQ((*p.leader)["tags"][tags::kCircleLink], "0");  // the path keeps its identifier
}

TEST(CircleDimension, ARebuildWithoutItsPathKeepsTheOldDimension) {
    const std::pair<const char*, const char*> edits[] = {
        {R"(<path quill:name="quarter"[^>]*>)", ""},         // the path deleted
        {R"(quill:tag-num2="1")", R"(quill:tag-num2="7")"},  // an anchor it lacks
    };
    for (const auto& [pattern, replacement] : edits) {
        const Scenario s = RebuildAfterEditing(
            [&](const std::string& text) { return Edited(text, pattern, replacement); });
        EXPECT_EQ(s.dump["alerts"],
                  json::array({"Le tracé correspondant à cette cote n'a pas été trouvé !"}));
        ExpectAnchor(PiecesOf(s).leader, 1, {200, 400}, pattern);
    }
}

}  // namespace
}  // namespace quill::testing
