// Undo and redo in the host, and its selection tool: a part moved under its dimension,
// the dimension rebuilt, and every step taken back and done again, the drawing exactly as
// it was at each step.
#include <gtest/gtest.h>

#include <string>

#include "support/scenario.h"
#include "support/temp_path.h"

namespace quill::testing {
namespace {

using nlohmann::json;

// A base and a block; the dimension runs from the base's corner to the block's.
const std::string kParts =
    "pref Precision 1\npref UnitePrefs 6\ndoc new\n"
    "path closed name base : 100,100 100,50 60,50 60,100\n"
    "path closed name block : 200,100 240,100 240,50 200,50\n"
    "startup\ntool segment\nclick 100 100\nclick 200 100\n";

json Layers(const std::string& file) {
    return json::parse(FileText(file))["layers"];
}

std::string Label(const json& dump) {
    for (const auto& piece : OnlyGroup(dump)["art"])
        if (piece["type"] == "text") return piece["contents"];
    return "";
}

TEST(UndoRedo, AMovedPartIsMeasuredAgainAndEveryStepComesBackExactly) {
    const std::string dimensioned = TempPath("undo_dimensioned.json"),
                      moved = TempPath("undo_moved.json"), rebuilt = TempPath("undo_rebuilt.json"),
                      undone = TempPath("undo_undone.json"), redone = TempPath("undo_redone.json");
    auto s = RunToEnd(kParts + "dump " + dimensioned +
                      "\ntool select\ndown 220 75\ndrag 230 75\ndrag 250 75\nup 250 75\n"
                      "dump " +
                      moved + "\ntool segment\nclick 115 112\ndump " + rebuilt +
                      "\nundo\nundo\ndump " + undone + "\nredo\ndump " + redone + "\n");
    EXPECT_EQ(s.dump["alerts"], json::array());
    EXPECT_EQ(Label(json::parse(FileText(dimensioned))), "100 pt");
    EXPECT_EQ(Label(json::parse(FileText(rebuilt))), "130 pt");
    EXPECT_EQ(json::parse(FileText(rebuilt))["undo"], "Annuler Outil Segment");
    EXPECT_EQ(json::parse(FileText(moved))["undo"], "Annuler Déplacement");

    EXPECT_EQ(Layers(undone), Layers(dimensioned));
    EXPECT_EQ(json::parse(FileText(undone))["redo"], "Rétablir Déplacement");
    EXPECT_EQ(Layers(redone), Layers(moved));
    EXPECT_EQ(s.dump["undo"], "Annuler Déplacement");
    EXPECT_EQ(s.dump["redo"], "Rétablir Outil Segment");
}

TEST(UndoRedo, ADimensionRebuiltAfterAnUndoMeasuresWhatItMeasuredBefore) {
    auto s = RunToEnd(kParts +
                      "tool select\ndown 220 75\ndrag 250 75\nup 250 75\n"
                      "tool segment\nclick 115 112\nundo\nundo\nclick 115 112\n");
    EXPECT_EQ(s.dump["alerts"], json::array());
    EXPECT_EQ(Label(s.dump), "100 pt");
}

TEST(UndoRedo, ADeletionIsUndoneWithTheArtAndItsSelection) {
    const std::string before = TempPath("undo_before_delete.json"),
                      deleted = TempPath("undo_deleted.json");
    auto s = RunToEnd(kParts + "tool select\nclick 115 112\ndump " + before +
                      "\nkey delete\ndump " + deleted + "\nundo\n");
    EXPECT_EQ(*LayerArt(json::parse(FileText(deleted)), "Dimensions"), json::array());
    EXPECT_EQ(json::parse(FileText(deleted))["undo"], "Annuler Suppression");
    EXPECT_EQ(s.dump["layers"], Layers(before));
    EXPECT_EQ(OnlyGroup(s.dump)["art"][0]["selected"], true);
}

TEST(UndoRedo, TheOldestStepsGoBeyondTheHostsLimit) {
    auto s = RunToEnd(kParts +
                      "hostpref undo/Levels 2\ntool select\nclick 220 75\n"
                      "key right\nkey right\nkey right\nundo\nundo\nundo\n");
    const json& block = (*LayerArt(s.dump, "Calque 1"))[1];
    EXPECT_EQ(block["segments"][0]["p"], json::array({201.0, 100.0}));
    EXPECT_EQ(s.dump["undo"], nullptr);
}

// Where the block's first anchor ends up after a selection gesture.
struct SelectionRow {
    const char* what;
    std::string drawing, gesture;
    double blockX;
};

TEST(SelectionTool, PicksMovesAndNudgesOnlyWhatMayBeSelected) {
    const std::string block = "path closed name block : 200,100 240,100 240,50 200,50\n";
    const std::string locked = "path closed locked name block : 200,100 240,100 240,50 200,50\n";
    const std::string hidden = "path closed hidden name block : 200,100 240,100 240,50 200,50\n";
    const SelectionRow rows[] = {
        {"a drag moves the art under it", block, "down 220 100\ndrag 230 100\nup 230 100\n", 210},
        {"a locked art stays", locked, "down 220 100\ndrag 230 100\nup 230 100\n", 200},
        {"a hidden art stays", hidden, "down 220 100\ndrag 230 100\nup 230 100\n", 200},
        {"an arrow nudges by 1 pt", block, "click 220 100\nkey right\n", 201},
        {"Shift nudges by 10 pt", block, "click 220 100\nkey left shift\n", 190},
        {"a rectangle selects", block, "down 150 150\ndrag 300 20\nup 300 20\nkey right\n", 201},
        {"a click on empty canvas deselects", block, "click 220 100\nclick 400 400\nkey right\n",
         200},
        {"Shift takes a selected art away", block, "click 220 100\nclick 220 100 shift\nkey up\n",
         200},
    };
    for (const SelectionRow& row : rows) {
        SCOPED_TRACE(row.what);
        auto s = RunToEnd("doc new\n" + row.drawing + "tool select\n" + row.gesture);
        EXPECT_EQ((*LayerArt(s.dump, "Calque 1"))[0]["segments"][0]["p"][0], row.blockX);
    }
}

TEST(SelectionTool, ADimensionGroupIsSelectedAndMovedAsOne) {
    auto s = RunToEnd(kParts + "tool select\ndown 115 112\ndrag 115 132\nup 115 132\n");
    const json& dimension = OnlyGroup(s.dump);
    for (const auto& piece : dimension["art"]) {
        SCOPED_TRACE(piece.dump());
        if (piece["type"] == "path") {
            EXPECT_TRUE(piece["selected"]);
        }
    }
    // The label stands 20 points higher, with everything else of its dimension.
    auto before = RunScenario(kParts);
    for (std::size_t i = 0; i < dimension["art"].size(); ++i)
        if (dimension["art"][i]["type"] == "text") {
            EXPECT_EQ(dimension["art"][i]["anchor"][1].get<double>(),
                      OnlyGroup(before.dump)["art"][i]["anchor"][1].get<double>() + 20);
        }
}

}  // namespace
}  // namespace quill::testing
