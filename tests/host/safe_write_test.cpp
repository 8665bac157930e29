// Files replaced whole or not at all: permissions, links and other names kept, what the
// user may not write refused, a failed or full write leaving the file as it was, and no
// temporary left behind.
#include "host/io/safe_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "session_fixture.h"
#include "support/child_process.h"
#include "support/temp_path.h"

namespace host {
namespace {

using quill::testing::FileText;

using quill::testing::ExitOfChild;
using quill::testing::Failed;

// A folder of the test's own, removed with everything in it.
struct Scratch {
    std::string path;
    Scratch() {
        std::string pattern = ::testing::TempDir() + "quill_safe_write_XXXXXX";
        path = ::mkdtemp(pattern.data()) ? pattern : "";
    }
    ~Scratch() { std::filesystem::remove_all(path); }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
    std::size_t Entries() const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(path)) ++n;
        return n;
    }
};

mode_t ModeOf(const std::string& path) {
    struct stat s {};
    ::lstat(path.c_str(), &s);
    return s.st_mode;
}

TEST(SafeWrite, ReplacesTheContentAloneKeepingModesLinksAndOtherNames) {
    Scratch dir;
    std::string error;
    // Permission bits stay; a new file gets what the shell's umask gives it.
    std::ofstream(dir / "private.svg") << "old";
    ::chmod((dir / "private.svg").c_str(), 0600);
    ASSERT_TRUE(WriteFileSafely(dir / "private.svg", "new", &error)) << error;
    EXPECT_EQ(ModeOf(dir / "private.svg") & 07777, 0600u);
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(WriteFileSafely(dir / "fresh.svg", "fresh", &error)) << error;
    ::umask(mask);
    EXPECT_EQ(ModeOf(dir / "fresh.svg") & 07777, 0644u);
    // A symlinked drawing: the file it points to is replaced, the link stays a link.
    ::symlink("private.svg", (dir / "link.svg").c_str());
    ASSERT_TRUE(WriteFileSafely(dir / "link.svg", "through the link", &error)) << error;
    EXPECT_TRUE(S_ISLNK(ModeOf(dir / "link.svg")));
    EXPECT_EQ(FileText(dir / "private.svg"), "through the link");
    // Another name of the file sees the new content too.
    ::link((dir / "fresh.svg").c_str(), (dir / "other-name.svg").c_str());
    ASSERT_TRUE(WriteFileSafely(dir / "fresh.svg", "both names", &error)) << error;
    EXPECT_EQ(FileText(dir / "other-name.svg"), "both names");
    // A planted link under the name an earlier writer used is not followed.
    std::ofstream(dir / "victim") << "untouched";
    ::symlink("victim", (dir / "fresh.svg.part").c_str());
    ::symlink("victim", (dir / "fresh.svg.tmp").c_str());
    ASSERT_TRUE(WriteFileSafely(dir / "fresh.svg", "again", &error)) << error;
    EXPECT_EQ(FileText(dir / "victim"), "untouched");
    // A device is written to as the shell writes to it.
    EXPECT_TRUE(WriteFileSafely("/dev/null", "nothing", &error)) << error;
    // Nothing else was left in the folder.
    EXPECT_EQ(dir.Entries(), 7u);
}

// The drawing saved by a session over a private, symlinked drawing with a second name.
TEST(SafeWrite, DocSaveKeepsTheDrawingsModeLinkAndOtherName) {
    Scratch dir;
    std::ofstream(dir / "drawing.svg") << "<svg/>";
    ::chmod((dir / "drawing.svg").c_str(), 0600);
    ::link((dir / "drawing.svg").c_str(), (dir / "second-name.svg").c_str());
    ::symlink("drawing.svg", (dir / "link.svg").c_str());
    const auto s = testing::RunSession("doc new\npath : 0,0 100,0\ndoc save " + dir / "link.svg");
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_TRUE(S_ISLNK(ModeOf(dir / "link.svg")));
    EXPECT_EQ(ModeOf(dir / "drawing.svg") & 07777, 0600u);
    EXPECT_NE(FileText(dir / "second-name.svg").find("<path"), std::string::npos);
    EXPECT_EQ(dir.Entries(), 3u);
}

TEST(SafeWrite, RefusesWhatTheUserMayNotWriteAsTheShellDoes) {
    Scratch dir;
    ::chmod(dir.path.c_str(), 0777);
    std::ofstream(dir / "theirs.svg") << "theirs";
    ::chmod((dir / "theirs.svg").c_str(), 0644);
    ::mkdir((dir / "closed").c_str(), 0555);
    const int failures = ExitOfChild([&] {
        // Root writes anything: the checks run as a user who owns none of it.
        if (::geteuid() == 0 && ::setuid(65534) != 0) return 100;
        if (::geteuid() != 0) ::chmod((dir / "theirs.svg").c_str(), 0444);
        std::string error;
        int failed = Failed(WriteFileSafely(dir / "theirs.svg", "mine", &error), "theirs written");
        failed += Failed(error != dir / "theirs.svg" + ": cannot write: Permission denied",
                         error.c_str());
        failed += Failed(FileText(dir / "theirs.svg") != "theirs", "theirs changed");
        failed += Failed(WriteFileSafely(dir / "closed/new.svg", "x", &error), "closed written");
        failed += Failed(error.find("cannot create a file in " + dir / "closed" +
                                    ": Permission denied") == std::string::npos,
                         error.c_str());
        return failed;
    });
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(dir.Entries(), 2u);
}

// The file written past what the system lets the process write: the write fails as on a
// full disk, whatever the user.
TEST(SafeWrite, AFailedWriteLeavesTheFileAsItWasAndNoTemporary) {
    Scratch dir;
    std::ofstream(dir / "drawing.svg") << "the drawing";
    ::link((dir / "drawing.svg").c_str(), (dir / "second-name.svg").c_str());
    const int failures = ExitOfChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        int failed = 0;
        for (const std::string name : {"drawing.svg", "new.svg"}) {
            std::string error;
            SafeFile file;
            failed += Failed(!file.Open(dir / name, &error), error.c_str());
            for (int i = 0; i < 10; ++i) file.Write(std::string(1000, 'x').data(), 1000);
            failed += Failed(file.Commit(&error), "committed past the limit");
            failed += Failed(error != dir / name + ": cannot write: File too large", error.c_str());
        }
        return failed;
    });
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(FileText(dir / "second-name.svg"), "the drawing");
    EXPECT_EQ(dir.Entries(), 2u);
}

// Two processes saving one drawing over and over: the file is always the whole of one.
TEST(SafeWrite, ConcurrentWritersLeaveOneWholeFile) {
    Scratch dir;
    const std::string path = dir / "drawing.svg";
    const std::string first(300000, 'a'), second(200000, 'b');
    const auto writer = [&](const std::string& bytes) {
        return [&, bytes] {
            std::string error;
            for (int i = 0; i < 30; ++i) {
                if (!WriteFileSafely(path, bytes, &error)) return 1;
                const std::string now = FileText(path);
                if (now != first && now != second) return 2;
            }
            return 0;
        };
    };
    const pid_t other = ::fork();
    if (other == 0) ::_exit(writer(second)());
    EXPECT_EQ(ExitOfChild(writer(first)), 0);
    int status = -1;
    ::waitpid(other, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dir.Entries(), 1u);
}

TEST(SafeWrite, TemporariesOfProcessesThatEndedAreRemoved) {
    Scratch dir;
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string stale = dir / (".drawing.svg." + std::to_string(ended) + "-abc.quill-tmp");
    const std::string running =
        dir / (".drawing.svg." + std::to_string(::getppid()) + "-abc.quill-tmp");
    const std::string anotherFile =
        dir / (".other.svg." + std::to_string(ended) + "-abc.quill-tmp");
    for (const auto& path : {stale, running, anotherFile}) std::ofstream(path) << "part";
    std::string error;
    ASSERT_TRUE(WriteFileSafely(dir / "drawing.svg", "whole", &error)) << error;
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_TRUE(std::filesystem::exists(anotherFile));
}

}  // namespace
}  // namespace host
