#include "host/prefs/preference_store.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "support/temp_path.h"

namespace host {
namespace {

using quill::testing::FileText;

TEST(PreferenceStore, KindsReadAsThemselvesIntegersAndRealsAsEachOther) {
    PreferenceStore store;
    store.Put("P", "flag", PreferenceValue::Flag(true));
    store.Put("P", "int", PreferenceValue::Integer(7));
    store.Put("P", "real", PreferenceValue::Real(-2.75));
    store.Put("P", "text", PreferenceValue::Text("Caf\xe9"));
    bool flag = false;
    std::int32_t integer = 0;
    double real = 0;
    std::string text;
    EXPECT_EQ(store.GetFlag("P", "flag", &flag), kNoErr);
    EXPECT_TRUE(flag);
    EXPECT_EQ(store.GetInteger("P", "real", &integer), kNoErr);
    EXPECT_EQ(integer, -2);  // truncated towards zero
    EXPECT_EQ(store.GetReal("P", "int", &real), kNoErr);
    EXPECT_EQ(real, 7.0);
    EXPECT_EQ(store.GetText("P", "text", &text), kNoErr);
    EXPECT_EQ(text, "Caf\xe9");
    // Other mismatches are errors, and leave the destination as it was.
    integer = 99;
    EXPECT_EQ(store.GetInteger("P", "flag", &integer), kWrongTypeErr);
    EXPECT_EQ(store.GetFlag("P", "int", &flag), kWrongTypeErr);
    EXPECT_EQ(store.GetText("P", "real", &text), kWrongTypeErr);
    EXPECT_EQ(store.GetReal("P", "text", &real), kWrongTypeErr);
    EXPECT_EQ(integer, 99);
    // An absent key is no error and touches nothing; prefixes keep keys apart.
    EXPECT_EQ(store.GetInteger("Q", "int", &integer), kNoErr);
    EXPECT_EQ(integer, 99);
    store.Put("P", "real", PreferenceValue::Real(1e12));
    EXPECT_EQ(store.GetInteger("P", "real", &integer), kWrongTypeErr);
}

TEST(PreferenceStore, FileRoundTripKeepsKindsAndText) {
    std::string path = ::testing::TempDir() + "prefs_round_trip.json";
    std::remove(path.c_str());
    {
        PreferenceStore store;
        std::string error;
        ASSERT_TRUE(store.BindFile(path, &error)) << error;
        store.Put("ORLQUILL", "Zoom", PreferenceValue::Real(150));
        store.Put("ORLQUILL", "Precision", PreferenceValue::Integer(2));
        store.Put("ORLQUILL", "NomCalque", PreferenceValue::Text("Cot\xe9s \x92"));
        store.Put("", "snapomatic/Color/red", PreferenceValue::Real(0.1));
        store.Put("ORLQUILL", "Virgule", PreferenceValue::Flag(false));
    }
    PreferenceStore again;
    std::string error;
    ASSERT_TRUE(again.BindFile(path, &error)) << error;
    const PreferenceValue* zoom = again.Find("ORLQUILL", "Zoom");
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(zoom->kind, PreferenceValue::Kind::Real);
    EXPECT_EQ(zoom->real, 150.0);
    EXPECT_EQ(again.Find("ORLQUILL", "Precision")->kind, PreferenceValue::Kind::Integer);
    EXPECT_EQ(again.Find("ORLQUILL", "NomCalque")->text, "Cot\xe9s \x92");
    EXPECT_EQ(again.Find("", "snapomatic/Color/red")->real, 0.1);
    EXPECT_EQ(again.Find("ORLQUILL", "Virgule")->kind, PreferenceValue::Kind::Flag);
    // The file itself is UTF-8.
    EXPECT_NE(FileText(path).find("Cotés ’"), std::string::npos);
}

TEST(PreferenceStore, EntriesOfNoKindInAHandEditedFileAreSkipped) {
    std::string path = ::testing::TempDir() + "prefs_strange.json";
    std::ofstream(path) << R"({"ORLQUILL": {"Precision": 2, "Zoom": [1, 2], "Nul": null,
                              "Big": 99999999999, "Huge": 18446744073709551615},
                              "Flat": 3, "Autre": {"Nom": "日本語 ☃"}})";
    PreferenceStore store;
    std::string error;
    EXPECT_FALSE(store.BindFile(path, &error));
    EXPECT_NE(error.find("Zoom"), std::string::npos);
    EXPECT_EQ(store.Find("ORLQUILL", "Precision")->integer, 2);
    EXPECT_EQ(store.Find("ORLQUILL", "Zoom"), nullptr);
    EXPECT_EQ(store.Find("ORLQUILL", "Big"), nullptr);
    EXPECT_EQ(store.Find("ORLQUILL", "Huge"), nullptr);
    EXPECT_NE(error.find("Huge"), std::string::npos);
    // A change rewrites the file without losing what it could not read, nor another
    // prefix's text that Windows-1252 cannot hold.
    store.Put("ORLQUILL", "Precision", PreferenceValue::Integer(3));
    const std::string written = FileText(path);
    for (const char* kept : {"\"Zoom\"", "\"Nul\": null", "99999999999", "18446744073709551615",
                             "\"Flat\": 3", "日本語 ☃"})
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
}

}  // namespace
}  // namespace host
