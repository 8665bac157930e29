#include "plugin/settings/settings_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fake_preference_host.h"
#include "plugin/settings/preference_storage.h"

namespace quill {
namespace {

using testing::Fake;

bool IsNumber(FieldKind kind) {
    return kind == FieldKind::Integer || kind == FieldKind::Real;
}

TEST(SettingsFields, RowsAreUniqueAndSound) {
    std::set<std::string> keys;
    for (const SettingField& field : kSettingFields) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key << " has two rows";
        const ValueRange& range = field.range;
        const bool bounded = range.least && range.most;
        EXPECT_TRUE(!bounded || *range.least <= *range.most) << field.key;
        EXPECT_TRUE(IsNumber(field.access.kind) || !(range.least || range.most || range.step))
            << field.key << ": only numbers have a range";
        EXPECT_TRUE(field.outOfRange == OutOfRange::Taken || bounded) << field.key;
        EXPECT_TRUE(field.fallback.kind != FallbackKind::Given || IsNumber(field.access.kind))
            << field.key << ": only numbers have a number as fallback";
        EXPECT_TRUE(IsWithinRange(field, field.access.get(DefaultSettings())))
            << field.key << ": the default is outside the range";
    }
}

class SettingsTable : public ::testing::Test {
 protected:
    testing::FakeHostSuites suites;
    SettingsRecord settings;
    PanelState panel;
};

TEST_F(SettingsTable, ResetWritesEveryRowOnce) {
    settings.setMode = kChainMode;
    ASSERT_EQ(ResetPreferences(settings, panel), kNoErr);
    const std::multiset<std::string> reset(Fake().writes.begin(), Fake().writes.end());
    for (const SettingField& field : kSettingFields)
        EXPECT_EQ(reset.count(field.key), field.resetWrite == ResetWrite::Written ? 1u : 0u)
            << field.key;
    EXPECT_EQ(settings.setMode, kSingleMode);  // left out of the store, not of the record
}

// Every key stored with a value other than its default lands in its row's field; the
// reals all differ, so that two rows of one field show.
TEST_F(SettingsTable, ReadTakesEveryRowFromTheStore) {
    double shift = 0;
    for (const SettingField& field : kSettingFields) {
        shift += 0.5;
        const FieldValue value = field.access.get(DefaultSettings());
        testing::StoredValue& stored = Fake().store[field.key];
        switch (field.access.kind) {
            case FieldKind::Flag:
                stored = testing::FlagValue(!value.flag);
                break;
            case FieldKind::Integer: {
                const int step = IsWithin(field.range, value.integer + 1.0) ? 1 : -1;
                stored = testing::IntegerValue(value.integer + step);
                break;
            }
            case FieldKind::Real: {
                // Within the row's range, which the read holds to: a small part of it.
                double real = value.real + shift;
                if (!IsWithin(field.range, real))
                    real = *field.range.least +
                           (*field.range.most - *field.range.least) * shift / 1000;
                stored = testing::RealValue(real);
                break;
            }
            case FieldKind::Text:
                stored = testing::TextValue(std::string(value.text) + "x");
                break;
        }
    }
    ASSERT_EQ(ReadPreferences(settings, panel), kNoErr);
    for (const SettingField& field : kSettingFields) {
        const FieldValue value = field.access.get(settings);
        const testing::StoredValue& stored = Fake().store[field.key];
        switch (field.access.kind) {
            case FieldKind::Flag:
                EXPECT_EQ(value.flag, stored.flag) << field.key;
                break;
            case FieldKind::Integer:
                EXPECT_EQ(value.integer, stored.integer) << field.key;
                break;
            case FieldKind::Real:
                EXPECT_EQ(value.real, stored.real) << field.key;
                break;
            case FieldKind::Text:
                EXPECT_EQ(value.text, stored.text) << field.key;
                break;
        }
    }
}

}  // namespace
}  // namespace quill
