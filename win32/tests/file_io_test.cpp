// The Windows side of the host's files: whole-file writes through a temporary, the
// temporaries of ended processes cleared, the folder lock.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "host/io/folder_lock.h"
#include "host/io/safe_write.h"

namespace host {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int Temporaries(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().string().find(".quill-tmp") != std::string::npos) ++count;
    return count;
}

fs::path FreshFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(WindowsFiles, AWholeWriteReplacesTheFileAndLeavesNoTemporary) {
    const fs::path folder = FreshFolder("quill_safe_write");
    const std::string target = (folder / "drawing.svg").string();
    // Left by a process that has ended, and by this one: only the first is cleared.
    const std::string stale = (folder / ".drawing.svg.999999-abc.quill-tmp").string();
    const std::string ours =
        (folder / (".drawing.svg." + std::to_string(GetCurrentProcessId()) + "-abc.quill-tmp"))
            .string();
    std::ofstream(stale) << "old";
    std::ofstream(ours) << "mine";
    std::string error;
    ASSERT_TRUE(WriteFileSafely(target, "first\nline", &error)) << error;
    ASSERT_TRUE(WriteFileSafely(target, "second\n", &error)) << error;
    EXPECT_EQ(Read(target), "second\n");  // bytes as given: no CR before the LF
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(ours));
    fs::remove(ours);
    EXPECT_EQ(Temporaries(folder), 0);

    // A read-only file is refused and left as it was.
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteFileSafely(target, "third", &error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Read(target), "second\n");
    EXPECT_FALSE(WriteFileSafely(folder.string(), "a folder", &error));
    EXPECT_EQ(Temporaries(folder), 0);
}

TEST(WindowsFiles, TheFolderLockIsHeldWhereTheFolderExistsOnly) {
    const fs::path folder = FreshFolder("quill_folder_lock");
    std::string error;
    {
        FolderLock lock((folder / "preferences.json").string(), &error);
        EXPECT_TRUE(lock.held()) << error;
    }
    FolderLock again((folder / "preferences.json").string(), &error);
    EXPECT_TRUE(again.held()) << error;
    FolderLock missing((folder / "no such folder" / "preferences.json").string(), &error);
    EXPECT_FALSE(missing.held());
    EXPECT_NE(error.find("cannot be locked"), std::string::npos) << error;
}

}  // namespace
}  // namespace host
