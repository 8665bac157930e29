// The Lengths & Areas tool driven as a person would, checked against the texts it writes.
// The drawing's measures are known exactly: "rect 0 0 72 36" has a perimeter of 216 and an
// area of 2592; the open polyline (0,100) (81,100) (81,145) a length of 126; the host's
// circle of radius 36 (handles k = 0.5522847771644592 × 36) a length of 226.2264062 and,
// by Green's theorem on its four cubics, an area of 36²·(12k + 10 − 3k²)/5 = 4072.6442047.
// In all, 568.2264062 points and 6664.6442047 square points, 11 anchors, 3 paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scenario.h"

namespace quill::testing {
namespace {

using nlohmann::json;

const std::string kPrefs = "pref Precision 1\npref UnitePrefs 6\n";
const std::string kDrawing =
    "doc new\nrect 0 0 72 36\npath : 0,100 81,100 81,145\ncircle 200 200 36\n";
// A click on each path, then on empty canvas.
const std::string kCollectAndWrite =
    "startup\ntool lengths\nclick 36 0\nclick 40 100\nclick 225.456 225.456\nclick 400 600\n";

Scenario RunClean(const std::string& script) {
    Scenario s = RunScenario(script);
    EXPECT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    return s;
}

// The texts of the one group, bottom to top (the order they were made in).
std::vector<const json*> Texts(const json& dump) {
    std::vector<const json*> texts;
    for (const json& art : OnlyGroup(dump)["art"]) texts.push_back(&art);
    return texts;
}

std::vector<std::string> Contents(const json& dump) {
    std::vector<std::string> contents;
    for (const json* text : Texts(dump)) contents.push_back((*text)["contents"]);
    return contents;
}

// The paths of the first layer, bottom to top.
const json& Drawn(const json& dump, int i) {
    return dump["layers"][0]["art"][i];
}

TEST(LengthsAreas, CollectedPathsAreWrittenInEveryUnitAtTheScale) {
    struct Row {
        const char* prefs;
        const char* length;
        const char* area;
    };
    const Row rows[] = {
        {"pref UnitePrefs 1\npref Precision 2\n", "200,46 mm", "829,43 mm2"},
        {"pref UnitePrefs 1\npref Precision 1\npref EchelleDen 2.0\n", "400,9 mm", "3 317,7 mm2"},
        {"pref UnitePrefs 2\npref Precision 3\npref EchelleDen 2.0\n", "40,092 cm", "33,177 cm2"},
        {"pref UnitePrefs 3\npref Precision 3\n", "7,892 po", "1,286 po2"},
        {"pref UnitePrefs 4\npref Precision 2\npref EchelleDen 2.0\n", "15 25/32 po", "5,14 po2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.prefs);
        const Scenario s = RunClean(row.prefs + kDrawing + kCollectAndWrite);
        EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
        EXPECT_EQ(OnlyGroup(s.dump)["name"], "Longueurs & Aires");
        const std::vector<std::string> expected = {std::string("L (sélection) = ") + row.length,
                                                   std::string("A (sélection) = ") + row.area,
                                                   "Nombre de tracés = 3", "Nombre de points = 11"};
        EXPECT_EQ(Contents(s.dump), expected);
        // No partial length: the others on consecutive lines, 14 points apart (1.2 × 12).
        const std::vector<const json*> texts = Texts(s.dump);
        for (std::size_t k = 0; k < texts.size(); ++k)
            EXPECT_POINT_NEAR((*texts[k])["anchor"], 400, 600 - 14.0 * k, 1e-4);
        // The collection is over: nothing is selected any more.
        for (int i = 0; i < 3; ++i) EXPECT_EQ(Drawn(s.dump, i)["selected"], false);
    }
}

TEST(LengthsAreas, ASecondClickTakesThePathOutAgain) {
    const Scenario s = RunClean(kPrefs + kDrawing +
                                "startup\ntool lengths\nclick 36 0\nclick 40 100\nclick 36 0\n"
                                "dump " +
                                ::testing::TempDir() +
                                "quill_lengths_toggled.json\n"
                                "click 400 600\n");
    const json toggled = json::parse(FileText(::testing::TempDir() + "quill_lengths_toggled.json"));
    EXPECT_EQ(Drawn(toggled, 0)["selected"], false);
    EXPECT_EQ(Drawn(toggled, 0)["tags"], json({{"spa", "jj"}}));
    EXPECT_EQ(Drawn(toggled, 1)["selected"], true);
    EXPECT_EQ(Contents(s.dump),
              (std::vector<std::string>{"L (sélection) = 126 pt", "A (sélection) = 0 pt2",
                                        "Nombre de tracés = 1", "Nombre de points = 3"}));
}

TEST(LengthsAreas, ARubberBandCollectsWhatItEnclosesAndOnlyTheChosenResultsAreWritten) {
    // The band from (-10, -10) to (100, 60) encloses the rectangle and both contours of a
    // compound path (areas 2500 and 900: no hole is cut), and a crossed polygon whose
    // signed lobes leave |−500|; the polyline lies outside. Area first, then points.
    const Scenario s =
        RunClean(kPrefs +
                 "pref LALongTotale false\npref LALongPartie false\n"
                 "pref LANbrTraces false\n" +
                 kDrawing +
                 "group compound\npath closed : 0,-5 50,-5 50,45 0,45\n"
                 "path closed : 10,5 40,5 40,35 10,35\nend\n"
                 "path closed : 0,0 50,50 50,0 0,30\n"
                 "startup\ntool lengths\ndown -10 -10\ndrag 50 30\ndrag 100 60\nup 100 60\n"
                 "click 400 600\n");
    EXPECT_EQ(Contents(s.dump),
              (std::vector<std::string>{"A (sélection) = 6 492 pt2", "Nombre de points = 16"}));
    const std::vector<const json*> texts = Texts(s.dump);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_POINT_NEAR((*texts[0])["anchor"], 400, 600, 1e-4);
    EXPECT_POINT_NEAR((*texts[1])["anchor"], 400, 586, 1e-4);
}

// The results beside the pointer, as the last pass drew them.
std::vector<std::string> HoverResults(const json& dump) {
    std::vector<std::string> lines;
    for (const json& op : dump["annotation"])
        if (op["op"] == "text" && op["text"] != "G") lines.push_back(op["text"]);
    return lines;
}

TEST(LengthsAreas, TheMeasuresBesideThePointerFollowEachNewCollection) {
    // Two bands in turn, each taking in one path: the second collection is as large as the
    // first, and the pointer over its path gives its own measures.
    const std::string first = TempPath("lengths_first_band.json");
    const Scenario s = RunClean(kPrefs + kDrawing +
                                "startup\ntool lengths\ndown -10 -10\ndrag 80 40\nup 80 40\n"
                                "move 36 0\ndump " +
                                first + "\ndown -10 90\ndrag 90 150\nup 90 150\nmove 40 100\n");
    EXPECT_EQ(HoverResults(json::parse(FileText(first))),
              (std::vector<std::string>{"L (sélection) = 216 pt", "A (sélection) = 2 592 pt2",
                                        "Nombre de tracés = 1", "Nombre de points = 4"}));
    EXPECT_EQ(HoverResults(s.dump),
              (std::vector<std::string>{"L (sélection) = 126 pt", "A (sélection) = 0 pt2",
                                        "Nombre de tracés = 1", "Nombre de points = 3"}));
}

TEST(LengthsAreas, ABandAndTheResultsItWritesAreUndoneAndRedoneExactly) {
    // The rectangle taken out again carries "spa"; the band takes it back in and reads the
    // other paths, which lose a "spa" they never had: only the rectangle's change is a step.
    std::vector<std::string> dumps;
    std::string script = kPrefs + kDrawing + "startup\ntool lengths\nclick 36 0\nclick 36 0\n";
    const char* const kSteps[] = {"down -10 -10\ndrag 100 60\nup 100 60\n",
                                  "click 400 600\n",
                                  "undo\n",
                                  "undo\n",
                                  "redo\n",
                                  "redo\n"};
    for (std::size_t k = 0; k <= std::size(kSteps); ++k) {
        dumps.push_back(TempPath("lengths_undo_" + std::to_string(k) + ".json"));
        script += "dump " + dumps.back() + "\n";
        if (k < std::size(kSteps)) script += kSteps[k];
    }
    RunClean(script);
    std::vector<json> at;
    for (const std::string& dump : dumps) at.push_back(json::parse(FileText(dump)));
    EXPECT_EQ(Drawn(at[0], 0)["tags"], json({{"spa", "jj"}}));
    EXPECT_EQ(Drawn(at[1], 0)["tags"], json::object());
    EXPECT_EQ(Drawn(at[1], 0)["selected"], true);
    EXPECT_EQ(Drawn(at[2], 0)["selected"], false);
    EXPECT_EQ(at[2]["undo"], "Annuler Outil Longueur & Aires");
    // Undone twice, then redone twice: each drawing as it was, the layer made for the
    // results gone with them and back with them.
    ASSERT_NE(LayerArt(at[2], "Dimensions"), nullptr);
    EXPECT_EQ(at[3]["layers"], at[1]["layers"]);
    EXPECT_EQ(at[4]["layers"], at[0]["layers"]);
    EXPECT_EQ(at[5]["layers"], at[1]["layers"]);
    EXPECT_EQ(at[6]["layers"], at[2]["layers"]);
}

TEST(LengthsAreas, PartialLengthRunsForwardsFromTheFirstAnchorPicked) {
    // Anchors 3 then 1 of a closed pentagon: 3 → 4 → 0 → 1 is 50√2 + 100 + 100.
    const std::string pentagon =
        kPrefs +
        "doc new\npath closed : 0,0 100,0 100,100 50,150 0,100\n"
        "path : 300,0 300,100\nstartup\ntool lengths\nclick 50 150\nclick 100 0\n";
    // Alone, a partial length is not written.
    Scenario s = RunClean(pentagon + "click 400 600\n");
    EXPECT_EQ(LayerArt(s.dump, "Dimensions"), nullptr);
    // The picked anchor became anchor 0.
    EXPECT_POINT_NEAR(AnchorOf(&Drawn(s.dump, 0), 0), 50, 150, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(&Drawn(s.dump, 0), 3), 100, 0, 1e-4);
    s = RunClean(pentagon + "click 50 0\nclick 400 600\nclick 300 50\nclick 400 400\n");
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const json* art = LayerArt(s.dump, "Dimensions");
    ASSERT_TRUE(art && art->size() == 2u);
    std::vector<std::string> first, second;
    for (const json& text : (*art)[0]["art"]) first.push_back(text["contents"]);
    for (const json& text : (*art)[1]["art"]) second.push_back(text["contents"]);
    EXPECT_EQ(first,
              (std::vector<std::string>{"L (sélection) = 441,4 pt", "L (partie courbe)= 270,7 pt",
                                        "A (sélection) = 12 500 pt2", "Nombre de tracés = 1",
                                        "Nombre de points = 5"}));
    EXPECT_POINT_NEAR((*art)[0]["art"][1]["anchor"], 400, 586, 1e-4);
    // Written once: the next results have no partial length.
    EXPECT_EQ(second.size(), 4u);
}

TEST(LengthsAreas, RefusedClicks) {
    // Two anchors of two paths: the pick starts again.
    Scenario s = RunClean(kPrefs + kDrawing +
                          "startup\ntool lengths\nclick 72 0\nclick 81 145\nclick 400 600\n");
    EXPECT_EQ(s.dump["alerts"],
              json::array({"Les deux points doivent appartenir à un même tracé."}));
    EXPECT_EQ(LayerArt(s.dump, "Dimensions"), nullptr);
    // A locked dimension layer: nothing is written and the collection stays.
    s = RunClean(kPrefs +
                 "doc new\nlayer Dimensions locked\nlayer \"Calque 1\"\n"
                 "rect 0 0 72 36\nstartup\ntool lengths\nclick 36 0\nclick 400 600\n");
    EXPECT_EQ(s.dump["alerts"], json::array({"Cotation impossible. Calque verrouillé."}));
    EXPECT_TRUE(LayerArt(s.dump, "Dimensions")->empty());
    EXPECT_EQ(s.dump["layers"][0]["art"][0]["selected"], true);
}

TEST(LengthsAreas, OtherDimensionsGoToTheirTools) {
    // Pressed near the end of a segment dimension's line, which this tool's walk reads as
    // an anchor: the Segment tool rebuilds the dimension all the same.
    const Scenario s = RunClean(kPrefs +
                                "doc new\npath : 100,100 200,100\nstartup\ntool segment\n"
                                "click 100 100\nclick 200 100\ntool lengths\nclick 115 112\n");
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    EXPECT_EQ(OnlyGroup(s.dump)["art"].back()["contents"], "100 pt");
}

TEST(LengthsAreas, ADimensionLineIsNoPathToCollect) {
    // The dimension layer locked: the host hits nothing at the line, the tool's walk finds
    // the line; nothing is collected, and nothing waits to be written.
    auto s = RunClean(kPrefs +
                      "doc new\npath name base : 100,100 200,100\nstartup\ntool segment\n"
                      "click 100 100\nclick 200 100\nlayer Dimensions locked\n"
                      "layer \"Calque 1\"\ntool lengths\nclick 120 112\nmove 300 300\n");
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    for (const json& op : s.dump["annotation"]) {
        if (op["op"] != "text") continue;
        EXPECT_NE(op["text"], "Clic pour créer le texte.");
    }
    for (const json& piece : OnlyGroup(s.dump)["art"]) EXPECT_FALSE(piece.value("selected", false));
}

}  // namespace
}  // namespace quill::testing
