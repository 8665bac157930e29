// The Segment tool's sets: a row of five holes dimensioned as a chain, a baseline set and
// ordinates, each member an ordinary segment dimension on the set's line; the set kept
// together through a moved hole, a rebuild and `quill update`; Esc ending a chain.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scenario.h"
#include "support/update_run.h"

namespace quill::testing {
namespace {

using nlohmann::json;

// Five holes along y 100; the tool clicks the bottom anchor of each, at y 95.
const std::string kHoles =
    "doc new\ncircle 100 100 5 name h1\ncircle 150 100 5 name h2\ncircle 230 100 5 name h3\n"
    "circle 300 100 5 name h4\ncircle 380 100 5 name h5\n";
const std::string kPrefs = kPointsPrefs + "pref TypeDeCote 1\n";

// The first dimension placed with its line at y 60, then three more holes clicked.
const std::string kFiveHoles =
    "startup\ntool segment\nclick 100 95\ndown 150 95\ndrag 150 60\nup 150 60\n"
    "click 230 95\nclick 300 95\nclick 380 95\n";

const json* PieceTagged(const json& group, const char* tag) {
    for (const auto& piece : group["art"])
        if (piece["tags"].contains(tag)) return &piece;
    return nullptr;
}

std::string LabelOf(const json& group) {
    for (const auto& piece : group["art"])
        if (piece["type"] == "text") return piece["contents"];
    return "";
}

struct Member {
    std::string label;
    double lineY;  // where the member's line A stands
};

// Every group of the layer is a member of one set with these labels and lines, in order;
// the tag gives the line's kind and its place, the line's y less `placeFrom` (an oblique
// line's offset from the holes' anchors).
void ExpectSet(const json& dump, const std::string& name, const std::vector<Member>& members,
               const char* lineKind = "h ", double placeFrom = 0) {
    const json* art = LayerArt(dump, "Dimensions");
    ASSERT_NE(art, nullptr);
    ASSERT_EQ(art->size(), members.size()) << *art;
    std::string setName;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const json& group = (*art)[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(group["name"], name);
        EXPECT_EQ(LabelOf(group), members[i].label);
        const json* line = PieceTagged(group, tags::kMainLine);
        ASSERT_NE(line, nullptr);
        EXPECT_NEAR(AnchorOf(line, 1)[1].get<double>(), members[i].lineY, 1e-3);
        const std::string place = (*line)["tags"][tags::kSetLine];
        EXPECT_EQ(std::stod(place.substr(2)), members[i].lineY - placeFrom) << place;
        EXPECT_EQ(place.substr(0, 2), lineKind);
        if (i == 0) setName = (*line)["tags"][tags::kSetName];
        EXPECT_EQ((*line)["tags"][tags::kSetName], setName);
        // Linked as the tool links its dimensions: both measured anchors.
        EXPECT_TRUE((*line)["tags"].contains(tags::kFirstPointLink));
        EXPECT_TRUE((*line)["tags"].contains(tags::kSecondPointLink));
    }
}

TEST(DimensionSets, ChainBaselineAndOrdinatesOfFiveHoles) {
    struct Row {
        const char* prefs;
        std::vector<Member> members;
        const char* lineKind;
        double placeFrom;
        const char* name;
    };
    const std::vector<Member> chain = {{"50 pt", 60}, {"80 pt", 60}, {"70 pt", 60}, {"80 pt", 60}};
    // Baseline steps are twice the text size, 24, outwards from the holes (downwards).
    // Ordinates: the zero's leader and four more, up to "Attaches" 12 above the zero.
    const Row rows[] = {
        {"pref ModeCotation 1\n", chain, "h ", 0, "Segment horiz"},
        {"pref ModeCotation 1\npref TypeDeCote 0\n", chain, "o ", 95, "Segment oblique"},
        {"pref ModeCotation 2\n",
         {{"50 pt", 60}, {"130 pt", 36}, {"200 pt", 12}, {"280 pt", -12}},
         "h ",
         0,
         "Segment horiz"},
        {"pref ModeCotation 3\n",
         {{"0 pt", 107}, {"50 pt", 107}, {"130 pt", 107}, {"200 pt", 107}, {"280 pt", 107}},
         "x ",
         0,
         "Segment horiz"},
    };
    // Ordinates take five clicks, the first the zero.
    const std::string ordinateClicks =
        "startup\ntool segment\nclick 100 95\nclick 150 95\nclick 230 95\nclick 300 95\n"
        "click 380 95\n";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.prefs);
        const bool ordinates = row.lineKind[0] == 'x';
        auto s = RunToEnd(kPrefs + row.prefs + kHoles + (ordinates ? ordinateClicks : kFiveHoles));
        EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
        ExpectSet(s.dump, row.name, row.members, row.lineKind, row.placeFrom);
    }
}

TEST(DimensionSets, TheLiveDragMovesTheWholeLineAndTheFeedbackSaysWhatComesNext) {
    auto s = RunToEnd(kPrefs + "pref ModeCotation 1\n" + kHoles +
                      "startup\ntool segment\nclick 100 95\ndown 150 95\ndrag 150 60\n"
                      "up 150 60\ndown 230 95\ndrag 230 40\ndrag 230 30 shift\nup 230 30\n"
                      "move 300 95\n");
    // Shift rounds the distance from the points down to whole tens: 95 - 60.
    ExpectSet(s.dump, "Segment horiz", {{"50 pt", 35}, {"80 pt", 35}});
    EXPECT_EQ(FeedbackTexts(s.dump)[0], "Cote suivante de la chaîne");
    EXPECT_EQ(FeedbackTexts(s.dump)[1], "L segment=70 pt");

    // Ordinates: the first click will be the zero; then a point left of it reads negative.
    auto zero = RunScenario(kPrefs + "pref ModeCotation 3\n" + kHoles +
                            "startup\ntool segment\nmove 150 95\n");
    EXPECT_EQ(FeedbackTexts(zero.dump)[0], "Point zéro des ordonnées");
    auto next = RunScenario(kPrefs + "pref ModeCotation 3\n" + kHoles +
                            "startup\ntool segment\nclick 150 95\nmove 100 95\n");
    EXPECT_EQ(FeedbackTexts(next.dump)[0], "Ordonnée suivante");
    EXPECT_EQ(FeedbackTexts(next.dump)[1], "X=-50 pt");
}

TEST(DimensionSets, EscOrAClickOnNothingEndsAChain) {
    for (const char* end : {"move 260 300 esc\n", "click 260 300\n"}) {
        SCOPED_TRACE(end);
        auto s = RunToEnd(kPrefs + "pref ModeCotation 1\n" + kHoles +
                          "startup\ntool segment\nclick 100 95\nclick 150 95\nclick 230 95\n" +
                          end + "move 300 95\n");
        EXPECT_EQ(LayerArt(s.dump, "Dimensions")->size(), 2u);
        // The next click starts a dimension of its own.
        EXPECT_EQ(FeedbackTexts(s.dump)[0], "Point d'ancrage 1");
    }
}

// The chain saved, hole 3 moved 10 right and 7 up in another editor.
std::string ChainWithMovedHole() {
    const std::string file =
        SavedDrawing("chain_moved.svg", kPrefs + "pref ModeCotation 1\n" + kHoles + kFiveHoles);
    EditFile(file, R"(<path (quill:name="h3"))", "<path transform=\"translate(10 7)\" $1");
    return file;
}

TEST(DimensionSets, AMovedHoleRebuildsOnTheSetsLineByClickAndByUpdate) {
    const std::string file = ChainWithMovedHole();
    // A click on the second member's line rebuilds it on the line at y 60, not where the
    // click was; simple mode does so as well.
    auto clicked = RunToEnd(kPrefs + "doc open " + file +
                            "\nstartup\ntool segment\nmove 166 60\nclick 166 60\n");
    const json& art = *LayerArt(clicked.dump, "Dimensions");
    ASSERT_EQ(art.size(), 4u);
    const json& rebuilt = art.back();
    EXPECT_EQ(LabelOf(rebuilt), "90 pt");
    EXPECT_NEAR(AnchorOf(PieceTagged(rebuilt, tags::kMainLine), 0)[1].get<double>(), 60, 1e-3);
    EXPECT_EQ((*PieceTagged(rebuilt, tags::kMainLine))["tags"][tags::kSetName],
              (*PieceTagged(art[0], tags::kMainLine))["tags"][tags::kSetName]);

    const std::string out = TempPath("chain_moved.out.svg");
    const update::UpdateRun run = UpdateWithBuiltPlugin(file, out);
    ASSERT_EQ(run.error, "");
    EXPECT_EQ(update::SummaryLine(run.dimensions),
              "4 dimensions: 4 rebuilt, 0 not rebuilt, 0 not associative");
    ExpectSet(OpenedDump(out), "Segment horiz",
              {{"50 pt", 60}, {"90 pt", 60}, {"60 pt", 60}, {"80 pt", 60}});
}

}  // namespace
}  // namespace quill::testing
