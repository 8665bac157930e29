// The settings in the host's preference store across starts of the plug-in: the first
// start writes every key with its default, later starts read them back with their
// fallbacks and checks, and damaged values or failing reads and writes end as the user
// expects.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/scenario.h"

namespace quill::testing {
namespace {

const nlohmann::json& Stored(const Scenario& s) {
    return s.dump["prefs"]["ORLQUILL"];
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(PreferenceStore, FirstStartWritesEveryDefaultAndALaterStartWritesNothing) {
    const std::string file = ::testing::TempDir() + "quill_prefs_first_start.json";
    std::remove(file.c_str());
    const std::string script = "prefs " + file + "\ndoc new\nstartup\nshutdown\n";
    auto first = RunScenario(script);
    ASSERT_EQ(first.outcome.exitCode, 0) << first.outcome.message;
    const auto& keys = Stored(first);
    EXPECT_EQ(keys.size(), 114u);  // every setting, and the 32 group values
    EXPECT_EQ(keys["NomCalque"], "Dimensions");
    EXPECT_EQ(keys["Precision"], 1);
    EXPECT_EQ(keys["Virgule"], true);
    EXPECT_EQ(keys["Zoom"], 150.0);
    EXPECT_EQ(keys["UnitePrefs"], 6);
    EXPECT_EQ(keys["StyleArc"], 0);
    EXPECT_EQ(keys["PrecisionPrefsQuatre"], 4.0);
    EXPECT_FALSE(keys["Police"].get<std::string>().empty());  // the first font's name
    const std::string written = FileText(file);
    auto second = RunScenario(script);
    EXPECT_EQ(FileText(file), written);
    EXPECT_TRUE(second.dump["alerts"].empty());
    std::remove(file.c_str());
}

TEST(PreferenceStore, DamagedValuesKeepTheRecordSane) {
    // A stored precision of 9: the defaults replace the whole store.
    auto precision = RunScenario("pref Precision 9\npref UnitePrefs 3\ndoc new\nstartup\n");
    EXPECT_EQ(Stored(precision)["Precision"], 1);
    EXPECT_EQ(Stored(precision)["UnitePrefs"], 6);
    // Out-of-range types and separators leave the field as it was; a store holding only
    // some keys gives the read's fallbacks (millimetres for the unit).
    auto partial = RunScenario(
        "pref Precision 2\npref TypeDeCote 7\npref Separateur 9\ndoc new\n"
        "path : 0,0 1000,0\nstartup\ntool segment\nclick 0 0\nclick 1000 0\n");
    EXPECT_EQ(Stored(partial).size(), 3u);  // the read writes nothing
    const auto& groups = *LayerArt(partial.dump, "Dimensions");
    EXPECT_EQ(groups[0]["name"], "Segment oblique");              // type 0 kept
    EXPECT_EQ(groups[0]["art"].back()["contents"], "352,78 mm");  // 1000 pt, space grouping
}

TEST(PreferenceStore, StoredNumbersOutsideTheirRangeFallBack) {
    // Units 12 and -1 and arrowhead shape 40 are no values of theirs: the read's fallbacks
    // (millimetres, the default shape) are taken, and the label is written.
    for (const std::string unit : {"12", "-1"}) {
        SCOPED_TRACE(unit);
        auto s = RunScenario("pref Precision 1\npref UnitePrefs " + unit +
                             "\npref NumeroDeFleche 40\ndoc new\npath : 100,100 200,100\n"
                             "startup\ntool segment\nclick 100 100\nclick 200 100\n");
        ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
        const auto& pieces = OnlyGroup(s.dump)["art"];
        ASSERT_EQ(pieces.size(), 7u) << pieces;  // label, 2 extension lines, 2 lines, 2 heads
        EXPECT_EQ(pieces.back()["contents"], "35,3 mm");
    }
}

TEST(PreferenceStore, FailingReadsAndWritesTellTheUser) {
    const std::string readAlert = "Une erreur s'est produite pendant la lecture des préférences.";
    const std::string writeAlert = "Une erreur s'est produite pendant l'écriture des préférences.";
    auto write = RunScenario("fail Preference.PutRealPreference \"CANT\"\ndoc new\nstartup\n");
    ASSERT_EQ(write.dump["alerts"].size(), 1u);
    EXPECT_EQ(write.dump["alerts"][0], writeAlert);
    EXPECT_EQ(Stored(write)["NomCalque"], "Dimensions");  // written before the failure
    EXPECT_FALSE(Stored(write).contains("Zoom"));         // never reached
    auto read = RunScenario(
        "pref Precision 1\nfail Preference.GetStringPreference \"CANT\" 1\ndoc new\nstartup\n");
    ASSERT_EQ(read.dump["alerts"].size(), 1u);
    EXPECT_EQ(read.dump["alerts"][0], readAlert);
    // The tools still work with the values read so far.
    EXPECT_EQ(read.dump["host"]["tools"].size(), 6u);
}

}  // namespace
}  // namespace quill::testing
