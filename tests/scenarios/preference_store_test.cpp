// The settings in the host's preference store as the user meets them: numbers stored
// outside their range and failing reads and writes end as the user expects. (What each
// start writes and reads, key by key, is the settings' own tests'.)
#include <gtest/gtest.h>

#include <string>

#include "support/scenario.h"

namespace quill::testing {
namespace {

const nlohmann::json& Stored(const Scenario& s) {
    return s.dump["prefs"]["ORLQUILL"];
}

TEST(PreferenceStore, StoredNumbersOutsideTheirRangeFallBack) {
    // Units 12 and -1 and arrowhead shape 40 are no values of theirs: the read's fallbacks
    // (millimetres, the default shape) are taken, and the label is written.
    for (const std::string unit : {"12", "-1"}) {
        SCOPED_TRACE(unit);
        auto s = RunToEnd("pref Precision 1\npref UnitePrefs " + unit +
                          "\npref NumeroDeFleche 40\ndoc new\npath : 100,100 200,100\n"
                          "startup\ntool segment\nclick 100 100\nclick 200 100\n");
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
