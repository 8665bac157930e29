// The preference file as several writers and hostile files meet it: keys of other
// writers kept, nesting past the limit refused without a crash, foreign values written
// back as compact as they were read, and a write that failed told.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "host/prefs/preference_store.h"
#include "support/child_process.h"
#include "support/temp_path.h"

namespace host {
namespace {

using quill::testing::FileText;

using quill::testing::ExitOfChild;
using quill::testing::TempPath;

std::string Nested(std::size_t depth) {
    return std::string(depth, '[') + "7" + std::string(depth, ']');
}

std::int32_t IntegerOf(const PreferenceStore& store, const std::string& key) {
    const PreferenceValue* value = store.Find("P", key);
    return value ? value->integer : -1;
}

// A file nested too deep, like a damaged one, starts the store empty and is moved aside
// whole at the first change.
TEST(PreferenceFile, NestingPastTheLimitIsRefusedAndTheFileMovedAsideWhole) {
    const std::string path = TempPath("prefs_deep.json");
    for (const std::string& text :
         {Nested(100000), "{\"Autre\": {\"Arbre\": " + Nested(300) + "}, \"P\": {\"a\": 1}}"}) {
        std::remove((path + ".damaged").c_str());
        std::ofstream(path) << text;
        PreferenceStore store;
        std::string error;
        EXPECT_FALSE(store.BindFile(path, &error));
        EXPECT_NE(error.find("nested more than 256 deep"), std::string::npos) << error;
        EXPECT_TRUE(store.entries().empty());
        EXPECT_EQ(FileText(path), text);  // kept until a change
        store.Put("P", "b", PreferenceValue::Integer(2));
        EXPECT_EQ(store.writeError(), "");
        EXPECT_EQ(FileText(path + ".damaged"), text);
        PreferenceStore again;
        ASSERT_TRUE(again.BindFile(path, &error)) << error;
        EXPECT_EQ(IntegerOf(again, "b"), 2);
    }
    std::remove((path + ".damaged").c_str());
}

TEST(PreferenceFile, NestedForeignValuesAreWrittenBackAsCompactAsRead) {
    const std::string path = TempPath("prefs_foreign.json");
    const std::string tree = Nested(250);
    std::ofstream(path) << "{\"Autre\": {\"Arbre\": " << tree << "}, \"Liste\": [1, [2]]}";
    const auto before = std::filesystem::file_size(path);
    PreferenceStore store;
    std::string error;
    store.BindFile(path, &error);
    for (int i = 0; i < 5; ++i) store.Put("P", "a", PreferenceValue::Integer(i));
    const std::string written = FileText(path);
    EXPECT_NE(written.find("\"Arbre\": " + tree), std::string::npos);
    EXPECT_NE(written.find("\"Liste\": [1,[2]]"), std::string::npos) << written;
    EXPECT_LT(written.size(), before + 40) << written;
}

// Each store writes only the keys it changed, over what the file holds then: a store's
// later write keeps another's newer value, and two processes writing at once lose nothing.
TEST(PreferenceFile, WritersOfOneFileKeepEachOthersKeys) {
    const std::string path = TempPath("prefs_two_writers.json");
    std::remove(path.c_str());
    const auto store = [&path] {
        auto bound = std::make_unique<PreferenceStore>();
        std::string error;
        bound->BindFile(path, &error);
        return bound;
    };
    {
        const auto first = store(), second = store();
        first->Put("P", "x", PreferenceValue::Integer(1));
        second->Put("P", "y", PreferenceValue::Integer(2));
        second->Put("P", "x", PreferenceValue::Integer(5));
        first->Put("P", "z", PreferenceValue::Integer(3));
        EXPECT_EQ(IntegerOf(*store(), "x"), 5);
        EXPECT_EQ(IntegerOf(*store(), "y"), 2);
        EXPECT_EQ(IntegerOf(*store(), "z"), 3);
        EXPECT_EQ(IntegerOf(*first, "x"), 5);  // the store took what the file had
    }

    constexpr int kKeys = 60;
    const auto writer = [&](const std::string& side) {
        return [&store, side] {
            const auto own = store();
            for (int i = 0; i < kKeys; ++i) {
                own->Put("P", side + std::to_string(i), PreferenceValue::Integer(i));
                if (!own->writeError().empty()) return 1;
            }
            return 0;
        };
    };
    const pid_t other = ::fork();
    if (other == 0) ::_exit(writer("b")());
    EXPECT_EQ(ExitOfChild(writer("a")), 0);
    int status = 0;
    ::waitpid(other, &status, 0);
    EXPECT_EQ(status, 0);
    const auto reread = store();
    for (const char* side : {"a", "b"})
        for (int i = 0; i < kKeys; ++i)
            EXPECT_EQ(IntegerOf(*reread, side + std::to_string(i)), i) << side << i;
    EXPECT_EQ(IntegerOf(*reread, "x"), 5);
}

TEST(PreferenceFile, AWriteThatFailedIsToldUntilOneSucceeds) {
    const std::string folder = TempPath("prefs_folder");
    std::filesystem::remove_all(folder);
    PreferenceStore store;
    std::string error;
    store.BindFile(folder + "/prefs.json", &error);
    store.Put("P", "a", PreferenceValue::Integer(1));
    EXPECT_EQ(store.writeError(), folder + ": cannot be locked: No such file or directory");
    ::mkdir(folder.c_str(), 0755);
    store.Put("P", "b", PreferenceValue::Integer(2));
    EXPECT_EQ(store.writeError(), "");
    PreferenceStore reread;
    ASSERT_TRUE(reread.BindFile(folder + "/prefs.json", &error)) << error;
    EXPECT_EQ(IntegerOf(reread, "a"), 1);  // the change the failed write held is written
    std::filesystem::remove_all(folder);
}

// Two tabs started on millimetres; one chooses centimetres, the other stores its whole
// page of settings as it read them plus one change: only that change reaches the file.
TEST(PreferenceFile, AKeyWrittenBackAsReadLeavesAnotherStoresChoice) {
    const std::string path = TempPath("prefs_written_back.json");
    std::ofstream(path) << R"({"P": {"unit": 1, "prec": 1}})";
    PreferenceStore first, second;
    std::string error;
    for (PreferenceStore* store : {&first, &second}) {
        ASSERT_TRUE(store->BindFile(path, &error)) << error;
        store->NoteRead("P", "unit");
        store->NoteRead("P", "prec");
    }
    first.Put("P", "unit", PreferenceValue::Integer(2));
    second.Put("P", "unit", PreferenceValue::Integer(1));
    second.Put("P", "prec", PreferenceValue::Integer(3));
    PreferenceStore reread;
    ASSERT_TRUE(reread.BindFile(path, &error)) << error;
    EXPECT_EQ(IntegerOf(reread, "unit"), 2);
    EXPECT_EQ(IntegerOf(reread, "prec"), 3);
    // Back to the value read, after another one was put, is a change of its own.
    second.Put("P", "unit", PreferenceValue::Integer(4));
    second.Put("P", "unit", PreferenceValue::Integer(1));
    ASSERT_TRUE(reread.BindFile(path, &error)) << error;
    EXPECT_EQ(IntegerOf(reread, "unit"), 1);
}

}  // namespace
}  // namespace host
