// quill update on a drawing edited elsewhere: the dimensions follow their moved paths as
// clicks of their tools would rebuild them, placed where they stood; the one whose path
// was deleted is reported and kept; nothing else changes, and a second run changes nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/scenario.h"
#include "support/update_run.h"

namespace quill::testing {
namespace {

// A segment, an angle and a circle dimension with their paths moved, and one whose path
// is deleted, and a dimension between free points (not associative), saved and edited.
std::string EditedDrawing() {
    const std::string file =
        SavedDrawing("update_drawing.svg",
                     kPointsPrefs +
                         "doc new\npath name base : 100,100 200,100\n"
                         "path name corner : 400,100 300,100 350,186.60254\n"
                         "circle 150 400 50 name wheel\npath name gone : 100,600 200,600\n"
                         "startup\ntool segment\nclick 100 100\ndown 200 100\n"
                         "drag 150 130\nup 150 130\nclick 100 600\nclick 200 600\n"
                         "click 400 700\nclick 500 700\n"
                         "tool angle\ndown 300 100\ndrag 370 150\nup 370 150\n"
                         "tool circle\ndown 185.3553 435.3553\ndrag 230 480\nup 230 480\n");
    EditFile(file, R"((name="base"[^>]*d=")[^"]*)", "$1M 110 120 L 260 120");  // moved, stretched
    EditFile(file, R"(<path (quill:name="corner"))", "<path transform=\"translate(-20 30)\" $1");
    EditFile(file, R"(<path (quill:name="wheel"))", "<path transform=\"translate(30 10)\" $1");
    EditFile(file, R"(\s*<path quill:name="gone"[^>]*>)", "");
    return file;
}

// Points of a piece, in order.
std::vector<DumpPoint> PointsOf(const nlohmann::json& piece) {
    std::vector<DumpPoint> points;
    for (const auto& s : piece.value("segments", nlohmann::json::array()))
        points.push_back(PointOf(s["p"]));
    if (piece.contains("anchor")) points.push_back(PointOf(piece["anchor"]));
    return points;
}

// Every piece of `now` is the same piece of `before` moved by (dx, dy).
void ExpectMoved(const nlohmann::json& before, const nlohmann::json& now, double dx, double dy) {
    ASSERT_EQ(before["art"].size(), now["art"].size()) << now;
    for (std::size_t i = 0; i < now["art"].size(); ++i) {
        const auto a = PointsOf(before["art"][i]), b = PointsOf(now["art"][i]);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_NEAR(b[k].h, a[k].h + dx, 2e-3) << now["name"] << " piece " << i;
            EXPECT_NEAR(b[k].v, a[k].v + dy, 2e-3) << now["name"] << " piece " << i;
        }
        EXPECT_EQ(before["art"][i]["tags"], now["art"][i]["tags"]);
        EXPECT_EQ(before["art"][i].value("contents", ""), now["art"][i].value("contents", ""));
    }
}

TEST(UpdateDrawing, RebuildsMovedDimensionsWhereTheyStoodAndReportsTheLostOne) {
    const std::string file = EditedDrawing(), out = TempPath("update_drawing.out.svg"),
                      again = TempPath("update_drawing.2.svg");
    const nlohmann::json edited = OpenedDump(file);
    const update::UpdateRun run = UpdateWithBuiltPlugin(file, out);
    ASSERT_EQ(run.error, "");
    EXPECT_EQ(update::SummaryLine(run.dimensions),
              "5 dimensions: 3 rebuilt, 1 not rebuilt, 1 not associative");
    EXPECT_EQ(update::OutcomeLines(run.dimensions),
              (std::vector<std::string>{
                  "\"Segment oblique\" #1 at 150,130: 100 pt \xE2\x86\x92 150 pt",
                  "\"Segment oblique\" #2 at 150,630: not rebuilt: measured path missing"}));
    const nlohmann::json report = nlohmann::json::parse(update::ReportJson(file, run.dimensions));
    EXPECT_EQ(report["dimensions"][3]["kind"], "angle");
    EXPECT_EQ(report["dimensions"][4]["status"], "rebuilt");

    const nlohmann::json updated = OpenedDump(out);
    EXPECT_EQ(*LayerArt(updated, "Calque 1"), *LayerArt(edited, "Calque 1"));
    const auto& before = *LayerArt(edited, "Dimensions");
    const auto& now = *LayerArt(updated, "Dimensions");
    ASSERT_EQ(now.size(), 5u);
    // Kept as they were: the lost one and the free one, which the report places at its
    // own label.
    EXPECT_EQ(now[1], before[1]);
    EXPECT_EQ(now[2], before[2]);
    const auto& freeLabel = before[2]["art"].back()["anchor"];
    EXPECT_POINT_NEAR(report["dimensions"][2]["position"], freeLabel[0].get<double>(),
                      freeLabel[1].get<double>(), 1e-3);
    // The rebuilt ones in their places in the layer: the segment on its new anchors, 30
    // points above them as before; the angle and the circle moved with their paths.
    const auto& segment = now[0];
    EXPECT_EQ(segment["name"], "Segment oblique");
    EXPECT_EQ(segment["art"].back()["contents"], "150 pt");
    EXPECT_POINT_NEAR(segment["art"].back()["anchor"], 185, 150, 1e-3);
    EXPECT_POINT_NEAR(AnchorOf(&segment["art"][2], 0), 120.5, 150, 1e-3);
    ExpectMoved(before[3], now[3], -20, 30);
    ExpectMoved(before[4], now[4], 30, 10);

    // A second run finds everything true already.
    const update::UpdateRun second = UpdateWithBuiltPlugin(out, again);
    EXPECT_EQ(update::OutcomeLines(second.dimensions).size(), 1u);
    const nlohmann::json reopened = OpenedDump(again);
    const auto& third = *LayerArt(reopened, "Dimensions");
    for (std::size_t i : {0, 3, 4}) ExpectMoved(now[i], third[i], 0, 0);
}

TEST(UpdateDrawing, TellsWhyALinkLeadsNowhereAndKeepsTheDimension) {
    const std::string file = SavedDrawing("update_links.svg",
                                          "doc new\npath name base : 100,100 200,100\nstartup\n"
                                          "tool segment\nclick 100 100\nclick 200 100\n"),
                      out = TempPath("update_links.out");
    const std::string svg = FileText(file);
    for (const auto& [index, reason] :
         {std::pair{"9", "anchor index beyond the path"}, std::pair{"1x", "link edited by hand"}}) {
        std::ofstream(file) << Edited(svg, R"(quill:tag-num2="1")",
                                      std::string("quill:tag-num2=\"") + index + "\"");
        const update::UpdateRun run = UpdateWithBuiltPlugin(file, out);
        ASSERT_EQ(run.dimensions.size(), 1u);
        EXPECT_EQ(run.dimensions[0].reason, reason);
        EXPECT_EQ(*LayerArt(OpenedDump(out), "Dimensions"),
                  *LayerArt(OpenedDump(file), "Dimensions"));
    }
}

// Dimensions made with other settings than the drawing was saved with: each rebuilt after
// its measured path moved is the one it replaces, moved along.
TEST(UpdateDrawing, EachDimensionKeepsTheSettingsItsPiecesShow) {
    const std::string out = TempPath("update_looks.out");
    const std::string file = SavedDrawing(
        "update_looks.svg",
        "pref Precision 1\npref UnitePrefs 1\npref TypeDeCote 1\npref NumeroDeFleche 3\n"
        "pref Zoom 200\npref TraitsPointilles true\npref TiretUn 3\npref TrouUn 2\n"
        "pref AvecToleranceUn true\npref DoubleMesure true\npref Corps 9\n"
        "doc new\npath name a : 100,100 200,150\npath name b : 100,300 220,300\n"
        "circle 400 400 40 name c\nstartup\ntool segment\nclick 100 100\ndown 200 150\n"
        "drag 150 190\nup 150 190\npref Diametre true\nrestart\ntool circle\n"
        "down 428.28427 428.28427\ndrag 470 470\nup 470 470\n"
        "pref TypeDeCote 0\npref NumeroDeFleche 4\npref Zoom 150\npref TraitsPointilles false\n"
        "pref AvecToleranceUn false\npref DoubleMesure false\npref Corps 12\npref Diametre false\n"
        "restart\ntool segment\nclick 100 300\ndown 220 300\ndrag 160 330\nup 160 330\n");
    for (const char* name : {"a", "b", "c"})
        EditFile(file, "<path (quill:name=\"" + std::string(name) + "\")",
                 "<path transform=\"translate(7 -4)\" $1");
    const nlohmann::json before = OpenedDump(file);
    const update::UpdateRun run = UpdateWithBuiltPlugin(file, out);
    ASSERT_EQ(update::SummaryLine(run.dimensions),
              "3 dimensions: 3 rebuilt, 0 not rebuilt, 0 not associative");
    const nlohmann::json updated = OpenedDump(out);
    const auto& was = *LayerArt(before, "Dimensions");
    const auto& now = *LayerArt(updated, "Dimensions");
    ASSERT_EQ(now.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(now[i]["name"], was[i]["name"]);
        ExpectMoved(was[i], now[i], 7, -4);
        for (std::size_t k = 0; k < now[i]["art"].size(); ++k)
            EXPECT_EQ(now[i]["art"][k].value("style", nlohmann::json()),
                      was[i]["art"][k].value("style", nlohmann::json()));
    }
    // The drawing's own settings stay those it was saved with.
    EXPECT_NE(FileText(out).find("\"TypeDeCote\":0"), std::string::npos);
}

TEST(UpdateDrawing, TakesTheSettingsOfPrefsElseOfTheDrawingElseOfTheUser) {
    const std::string file = TempPath("update_settings.edited.svg"),
                      out = TempPath("update_settings.out.svg"),
                      prefs = TempPath("update_prefs.json"),
                      config = ::testing::TempDir() + "quill_update_xdg",
                      user = config + "/quill/preferences.json";
    const std::string made = SavedDrawing(
        "update_settings.svg",
        "pref UnitePrefs 1\npref Precision 1\ndoc new\npath name base : 100,100 200,100\n"
        "startup\ntool segment\nclick 100 100\nclick 200 100\n");
    const std::string svg =
        Edited(FileText(made), R"((name="base"[^>]*d=")[^"]*)", "$1M 100 100 L 250 100");
    const std::string withoutSettings =
        Edited(svg, R"(<metadata>\s*<quill:settings>[^<]*</quill:settings>\s*</metadata>)", "");
    std::filesystem::create_directories(config + "/quill");
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    std::ofstream(prefs) << R"({"ORLQUILL": {"UnitePrefs": 6, "Precision": 1}})";
    const struct {
        bool prefsFile, drawingSettings, userStore;
        const char* settings;
        const char* label;
    } rows[] = {
        {true, true, true, "PREFS", "150 pt"},
        {false, true, true, "the drawing's", "52,9 mm"},
        {false, false, true, "USER", "5,3 cm"},
        {false, false, false, "the defaults", "150 pt"},
    };
    for (const auto& row : rows) {
        std::ofstream(file) << (row.drawingSettings ? svg : withoutSettings);
        std::remove(user.c_str());
        const std::string userStore = R"({"ORLQUILL": {"UnitePrefs": 2, "Precision": 1}})";
        if (row.userStore) std::ofstream(user) << userStore;
        const update::UpdateRun run = UpdateWithBuiltPlugin(file, out, row.prefsFile ? prefs : "");
        const std::string source = row.settings;
        EXPECT_EQ(run.settings, source == "PREFS" ? prefs : source == "USER" ? user : source);
        ASSERT_EQ(run.dimensions.size(), 1u);
        EXPECT_EQ(run.dimensions[0].newLabel, row.label) << run.settings;
        // The user's store is only read.
        if (row.userStore) {
            EXPECT_EQ(FileText(user), userStore);
        }
    }
    EXPECT_NE(UpdateWithBuiltPlugin(file, out, TempPath("no_such_prefs.json")).error, "");
}

}  // namespace
}  // namespace quill::testing
