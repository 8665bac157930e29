// The feedback drawn beside the pointer, read from the last annotation pass of the dump
// (view pixels, y down: a document point (x, y) of a 300-point-high page at zoom 1 is at
// (x, 300 − y)): where the pass puts the lines and marks the tools say (what each tool
// says is the hover tests'). Lengths in millimetres at precision 1: 100 pt = 35.277 mm,
// 50 pt = 17.638 mm; the 100 × 50 rectangle has 5000 pt² = 5000 × 645.16 / 5184 =
// 622.26 mm².
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scenario.h"

namespace quill::testing {
namespace {

using nlohmann::json;

const std::string kPage =
    "doc new 400 300\npref UnitePrefs 1\npref Precision 1\npref AffCoulAnno false\n";

// The texts of the last pass, top first.
std::vector<std::string> Texts(const json& dump) {
    std::vector<std::string> texts;
    for (const auto& op : dump["annotation"])
        if (op["op"] == "text") texts.push_back(op["text"]);
    return texts;
}

// The operations of the last pass of one kind.
std::vector<json> Ops(const json& dump, const std::string& kind) {
    std::vector<json> ops;
    for (const auto& op : dump["annotation"])
        if (op["op"] == kind) ops.push_back(op);
    return ops;
}

using Lines = std::vector<std::string>;

TEST(CursorFeedback, SegmentToolTellsWhatTheClickWillMeasure) {
    const std::string shapes =
        kPage + "rect 100 100 100 50\n" + "path closed : 300,100 350,150 350,100 300,150\n" +
        "bezier : M 50 250 C 80 290 120 290 150 250\n" + "startup\ntool segment\n";
    // An anchor: a ring of radius 5 and width 2; the texts start 16 px right of the anchor.
    auto anchor = RunScenario(shapes + "move 100 100\n").dump;
    EXPECT_EQ(Texts(anchor), Lines{"Point d'ancrage 1"});
    EXPECT_EQ(Ops(anchor, "text")[0]["at"], json({116, 200}));
    ASSERT_EQ(Ops(anchor, "ellipse").size(), 1u);
    EXPECT_EQ(Ops(anchor, "ellipse")[0]["rect"], json({95, 195, 105, 205}));
    EXPECT_EQ(Ops(anchor, "ellipse")[0]["width"], 2.0);

    // A side of a closed polygon: its length and the polygon's area; the side highlighted.
    auto side = RunScenario(shapes + "move 150 100\n").dump;
    EXPECT_EQ(Texts(side), (Lines{"L segment=35,3 mm", "Aire=622,3 mm2"}));
    ASSERT_EQ(Ops(side, "line").size(), 1u);
    EXPECT_EQ(Ops(side, "line")[0]["width"], 2.0);
    EXPECT_EQ(Ops(side, "text")[1]["at"], json({166, 212}));

    // A side of a bow-tie, and at half scale everything real is twice as large.
    auto crossed = RunScenario(shapes + "move 300 125\n").dump;
    EXPECT_EQ(Texts(crossed), (Lines{"L segment=17,6 mm", "Aire=Polygone croisé"}));
    auto scaled =
        RunScenario("pref EchelleNum 1.0\npref EchelleDen 2.0\n" + shapes + "move 150 100\n").dump;
    EXPECT_EQ(Texts(scaled), (Lines{"Échelle=1 /2", "L segment=70,6 mm", "Aire=2 489 mm2"}));
    // In micrometres the area's unit is written once.
    auto micrometres = RunScenario(shapes + "pref UnitePrefs 0\npref Precision 0\nrestart\n" +
                                   "tool segment\nmove 150 100\n")
                           .dump;
    EXPECT_EQ(Texts(micrometres), (Lines{"L segment=35 278 µm", "Aire=622 260 800 µm2"}));

    // A curve: its whole length, the path drawn over and a ring on the point.
    auto curve = RunScenario(shapes + "move 100 280\n").dump;
    ASSERT_EQ(Texts(curve).size(), 1u);
    EXPECT_EQ(Texts(curve)[0].rfind("L courbe=", 0), 0u);
    EXPECT_EQ(Ops(curve, "bezier").size(), 1u);
    EXPECT_EQ(Ops(curve, "ellipse")[0]["width"], 3.0);

    // The second point: the distance from the first.
    auto second = RunScenario(shapes + "click 100 100\nmove 200 100\n").dump;
    EXPECT_EQ(Texts(second), (Lines{"Point d'ancrage 2", "L segment=35,3 mm"}));
}

TEST(CursorFeedback, LengthsToolShowsItsResultsSignsAndRubberBand) {
    // The rectangle's perimeter is 300 pt = 105.8 mm; its area 622.3 mm².
    const std::string shapes =
        kPage + "rect 100 100 100 50\npath : 300,100 350,100\n" + "startup\ntool lengths\n";
    // Nothing under the pointer: the hints, 20 pixels below it.
    auto idle = RunScenario(shapes + "move 20 20\n").dump;
    EXPECT_EQ(Texts(idle).size(), 3u);
    EXPECT_EQ(Ops(idle, "text")[0]["at"], json({36, 300}));
    // A path not yet collected: a plus sign and the path at width 2; collected: a minus
    // sign, width 4, and the results.
    auto adding = RunScenario(shapes + "move 150 100\n").dump;
    EXPECT_EQ(Ops(adding, "line").size(), 2u);
    EXPECT_EQ(Ops(adding, "bezier")[0]["width"], 2.0);
    auto taking = RunScenario(shapes + "click 150 100\nmove 150 100\n").dump;
    EXPECT_EQ(Texts(taking), (Lines{"L (sélection) = 105,8 mm", "A (sélection) = 622,3 mm2",
                                    "Nombre de tracés = 1", "Nombre de points = 4"}));
    EXPECT_EQ(Ops(taking, "line").size(), 1u);
    EXPECT_EQ(Ops(taking, "bezier")[0]["width"], 4.0);
    auto anchor = RunScenario(shapes + "move 100 100\n").dump;
    EXPECT_EQ(Texts(anchor), (Lines{"Premier point.", "L totale courbe = 105,8 mm"}));

    // The rubber band: dashed from the press to the pointer; it takes in both paths.
    auto band = RunScenario(shapes + "down 50 50\ndrag 360 200\n").dump;
    ASSERT_EQ(Ops(band, "rect").size(), 1u);
    EXPECT_EQ(Ops(band, "rect")[0]["rect"], json({50, 100, 360, 250}));
    EXPECT_EQ(Ops(band, "rect")[0]["dashed"], true);
    for (const auto& path : *LayerArt(band, "Calque 1")) EXPECT_EQ(path["selected"], true);
    auto collected = RunScenario(shapes + "down 50 50\ndrag 360 200\nup 360 200\nmove 20 20\n");
    EXPECT_EQ(Texts(collected.dump), Lines{"Clic pour créer le texte."});
}

TEST(CursorFeedback, LegendShowsTheColoursAndAFailingCallStopsNothing) {
    // Lines in CMYK (0.5, 0.25, 0, 0.5): each ink over white in what black leaves; text
    // in 75 % grey.
    const std::string legend =
        "doc new 400 300\npref Precision 1\npref TypeCoulTraits 2\npref Cyan 0.5\npref Magenta "
        "0.25\n"
        "pref Jaune 0.0\npref NoirCMJN 0.5\npref TypeCoulTexte 0\npref GrisTexte 0.75\n"
        "path : 100,100 200,100\nstartup\ntool segment\n";
    auto shown = RunScenario(legend + "move 100 100\n").dump;
    EXPECT_EQ(Texts(shown), (Lines{"Point d'ancrage 1", "CMJN", "G"}));
    const auto swatches = Ops(shown, "rect");
    ASSERT_EQ(swatches.size(), 4u);
    EXPECT_EQ(swatches[0]["color"], json({16383, 24575, 32767}));
    EXPECT_EQ(swatches[2]["color"], json({16383, 16383, 16383}));
    EXPECT_EQ(swatches[2]["rect"][1].get<int>() - swatches[0]["rect"][1].get<int>(), 8);

    // A drawer call that fails leaves the rest of the pass drawn.
    auto failing =
        RunScenario(legend + "fail AnnotatorDrawer.DrawText \"PARM\"\nmove 100 100\n").dump;
    EXPECT_TRUE(Texts(failing).empty());
    EXPECT_EQ(Ops(failing, "rect").size(), 4u);
    EXPECT_EQ(Ops(failing, "ellipse").size(), 1u);
}

}  // namespace
}  // namespace quill::testing
