#include "plugin/settings/preference_storage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_preference_host.h"
#include "plugin/geometry/arrow_shapes.h"

namespace quill {
namespace {

using testing::Fake;
using testing::FlagValue;
using testing::IntegerValue;
using testing::RealValue;
using testing::StoredValue;
using testing::TextValue;

const char kWriteAlert[] =
    "Une erreur s'est produite pendant l'\xE9"
    "criture des pr\xE9"
    "f\xE9rences.";
const char kReadAlert[] =
    "Une erreur s'est produite pendant la lecture des pr\xE9"
    "f\xE9rences.";

class PreferenceStorage : public ::testing::Test {
 protected:
    testing::FakeHostSuites suites;
    SettingsRecord settings;
    PanelState panel;

    AIErr Load() {
        Settings() = settings;
        Panel() = panel;
        const AIErr result = LoadPreferences();
        settings = Settings();
        panel = Panel();
        return result;
    }
    // What a first start stores, every key with its default.
    static std::map<std::string, StoredValue> DefaultStore() {
        const testing::FakeHost kept = Fake();
        Fake() = testing::FakeHost{};
        SettingsRecord fresh;
        PanelState freshPanel;
        EXPECT_EQ(ResetPreferences(fresh, freshPanel), kNoErr);
        const auto store = Fake().store;
        Fake() = kept;
        return store;
    }
    void ExpectStoreHolds(const std::map<std::string, StoredValue>& expected) {
        for (const auto& [key, value] : expected) {
            auto it = Fake().store.find(key);
            ASSERT_NE(it, Fake().store.end()) << key;
            EXPECT_EQ(it->second, value) << key;
        }
    }
};

TEST_F(PreferenceStorage, FirstStartWritesEveryKeyWithItsDefault) {
    settings.textSize = 99;
    settings.SetScale(1, 50);
    panel.scaleStepTimesTen = true;
    EXPECT_EQ(Load(), kNoErr);
    // (Every row written once is the settings table's test; the defaults are the table's.)
    ExpectStoreHolds({{"UnitePrefs", IntegerValue(6)},
                      {"Police", TextValue("Fonte Une")},
                      {"ToleranceUn", RealValue(0.25)},
                      {"EchelleDenPrefsTrois", RealValue(100)},
                      {"UnitePrefsQuatre", RealValue(8)},
                      {"NumSetPrefs", IntegerValue(0)}});
    EXPECT_EQ(Fake().writes.size(), Fake().store.size());  // each key once
    EXPECT_TRUE(Fake().alerts.empty());
    EXPECT_EQ(settings.textSize, 12);
    EXPECT_EQ(settings.scaleFactor, 1);
    EXPECT_STREQ(settings.fontName, "Fonte Une");
    EXPECT_STREQ(settings.tolerances[0].text, "0,25");
    EXPECT_STREQ(settings.tolerances[1].text, "0,12");
    EXPECT_FALSE(panel.scaleStepTimesTen);
    EXPECT_EQ(settings.arrowOutline.segmentCount, 6);  // shape 0, the barbed arrow
}

TEST_F(PreferenceStorage, SecondStartWritesNothingAndReadsWhatWasStored) {
    ASSERT_EQ(Load(), kNoErr);
    Fake().writes.clear();
    Fake().store["Corps"] = RealValue(18);
    Fake().store["Police"] = TextValue("Fonte Deux");
    settings = SettingsRecord{};
    EXPECT_EQ(Load(), kNoErr);
    EXPECT_TRUE(Fake().writes.empty());
    EXPECT_TRUE(Fake().alerts.empty());
    EXPECT_EQ(settings.textSize, 18);
    EXPECT_STREQ(settings.fontName, "Fonte Deux");
    EXPECT_EQ(settings.layerNameLength, 10);
    EXPECT_EQ(settings.dashLength, 6);  // stored, so its fallback 8 does not apply
}

TEST_F(PreferenceStorage, KeysMissingFromTheStoreTakeTheReadsFallbacks) {
    Fake().store = {{"Precision", IntegerValue(3)}, {"Corps", RealValue(20)}};
    settings.lineWidth = 4;  // no fallback: kept
    settings.arrowSize = 999;
    settings.SetLayerName("Cotes");
    settings.textColour.gray = 0.5;
    settings.secondPrecision = 5;
    settings.tolerances[1].value = 0.5;
    settings.lastGroup = 3;
    settings.groups[2].unit = 1;
    EXPECT_EQ(Load(), kNoErr);
    EXPECT_TRUE(Fake().writes.empty());
    EXPECT_EQ(settings.precision, 3);
    EXPECT_EQ(settings.textSize, 20);
    EXPECT_EQ(settings.lineWidth, 4);
    EXPECT_EQ(settings.arrowSize, 150);
    EXPECT_STREQ(settings.layerName, "Dimensions");
    EXPECT_EQ(settings.unit, 1);  // millimetres, not the default points
    EXPECT_EQ(settings.textColour.kind, 0);
    const ColourSetting& c = settings.textColour;
    EXPECT_EQ(
        std::vector<double>({c.gray, c.red, c.green, c.blue, c.cyan, c.magenta, c.yellow, c.black}),
        std::vector<double>({100, 196, 25, 127, 23, 97, 4, 0}));
    EXPECT_EQ(settings.markLength, 1.5);
    EXPECT_EQ(settings.lengthOnCurve, 0);
    EXPECT_EQ(settings.dashLength, 8);
    EXPECT_EQ(settings.dashGap, 7);
    EXPECT_EQ(settings.secondPrecision, 3);  // the precision just read
    EXPECT_EQ(settings.tolerances[0].symbol, 0);
    EXPECT_EQ(settings.tolerances[1].value, 0.15);
    EXPECT_STREQ(settings.tolerances[1].text, "0,15");
    EXPECT_EQ(settings.lastGroup, 0);
    EXPECT_EQ(settings.groups[2].unit, 6);
    EXPECT_EQ(settings.thousandsSeparator, 1);
}

TEST_F(PreferenceStorage, StoredPrecisionOutOfRangeResetsEverything) {
    for (std::int32_t stored : {9, -1, 7}) {
        Fake().store = {{"Precision", IntegerValue(stored)}, {"Corps", RealValue(30)}};
        Fake().writes.clear();
        settings = SettingsRecord{};
        settings.textSize = 30;
        EXPECT_EQ(Load(), kNoErr) << stored;
        EXPECT_EQ(settings.precision, 1);
        EXPECT_EQ(settings.textSize, 12);
        ExpectStoreHolds(DefaultStore());
    }
}

TEST_F(PreferenceStorage, OutOfRangeTypeAndSeparatorKeepTheField) {
    struct Case {
        std::int32_t storedType, storedSeparator, expectedType, expectedSeparator;
    };
    const Case cases[] = {{7, 5, 2, 2}, {-1, -3, 2, 2}, {3, 0, 3, 0}, {0, 3, 0, 3}};
    for (const Case& c : cases) {
        Fake().store = {{"Precision", IntegerValue(1)},
                        {"TypeDeCote", IntegerValue(c.storedType)},
                        {"Separateur", IntegerValue(c.storedSeparator)}};
        settings.dimensionType = 2;
        settings.thousandsSeparator = 2;
        EXPECT_EQ(Load(), kNoErr);
        EXPECT_EQ(settings.dimensionType, c.expectedType) << c.storedType;
        EXPECT_EQ(settings.thousandsSeparator, c.expectedSeparator) << c.storedSeparator;
    }
}

TEST_F(PreferenceStorage, FailedReadStopsWithItsAlert) {
    Fake().store = DefaultStore();
    Fake().store["Epaisseur"] = RealValue(3);
    Fake().store["Zoom"] = RealValue(75);
    Fake().store["Attaches"] = RealValue(30);
    Fake().Fail("GetRealPreference", "Zoom", kWrongTypeErr);
    settings.arrowSize = 40;
    settings.lineOffset = 20;
    EXPECT_EQ(Load(), kWrongTypeErr);
    EXPECT_EQ(Fake().alerts, std::vector<std::string>{kReadAlert});
    EXPECT_EQ(settings.lineWidth, 3);    // read before the failure
    EXPECT_EQ(settings.arrowSize, 40);   // the failed read leaves its field
    EXPECT_EQ(settings.lineOffset, 20);  // not read
    EXPECT_TRUE(Fake().writes.empty());

    Fake().alerts.clear();
    Fake().failures.clear();
    Fake().Fail("GetIntegerPreference", "Precision", kWrongTypeErr);
    EXPECT_EQ(Load(), kWrongTypeErr);  // the first start cannot be told: the read fails
    EXPECT_EQ(Fake().alerts, std::vector<std::string>{kReadAlert});
    EXPECT_TRUE(Fake().writes.empty());
}

// (A failed write of a number, told and stopping the reset, is the preference store's
// scenario.)
TEST_F(PreferenceStorage, AnUnknownDefaultFontStopsTheResetWithTheWriteAlert) {
    Fake().Fail("IndexFontList");  // the default font cannot be learnt
    EXPECT_EQ(Load(), kCantHappenErr);
    EXPECT_EQ(Fake().alerts, std::vector<std::string>{kWriteAlert});
    EXPECT_EQ(Fake().store.count("NumeroPagePolices"), 1u);
    EXPECT_EQ(Fake().store.count("Police"), 0u);
    EXPECT_EQ(Fake().store.count("TypeDeCote"), 0u);
}

TEST_F(PreferenceStorage, IgnoredErrorsAreIgnored) {
    Fake().Fail("PutStringPreference", "Police");
    Fake().Fail("PutBooleanPreference", "AffCoulAnno");
    Fake().Fail("PutIntegerPreference", "Separateur");
    Fake().Fail("PutBooleanPreference", "GroupeOuiNon");
    Fake().Fail("PutRealPreference", "ZoomPrefsTrois");
    EXPECT_EQ(Load(), kNoErr);
    EXPECT_TRUE(Fake().alerts.empty());
    EXPECT_EQ(Fake().store.count("Police"), 0u);
    EXPECT_EQ(Fake().store.count("ZoomPrefsTrois"), 0u);
    EXPECT_EQ(Fake().store.count("CoefToleranceDeux"), 1u);  // the reset went to its end

    Fake().failures.clear();
    Fake().store = DefaultStore();
    Fake().store["Separateur"] = IntegerValue(2);
    Fake().store["AffCoulAnno"] = FlagValue(false);
    Fake().store["ToleranceUn"] = TextValue("beaucoup");  // wrong kind
    Fake().store["CorpsPrefsDeux"] = RealValue(40);
    for (const char* key : {"AffCoulAnno", "AvecAttaches", "GroupeOuiNon"})
        Fake().Fail("GetBooleanPreference", key);
    Fake().Fail("GetIntegerPreference", "Separateur");
    Fake().Fail("GetRealPreference", "CorpsPrefsDeux");
    settings.thousandsSeparator = 3;
    settings.showColoursNearCursor = false;
    settings.groups[1].textSize = 40;
    EXPECT_EQ(Load(), kNoErr);
    EXPECT_TRUE(Fake().alerts.empty());
    EXPECT_EQ(settings.thousandsSeparator, 1);  // the fallback
    EXPECT_TRUE(settings.showColoursNearCursor);
    EXPECT_EQ(settings.tolerances[0].value, 0.25);
    EXPECT_EQ(settings.groups[1].textSize, 14);
}

}  // namespace
}  // namespace quill
