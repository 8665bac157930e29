// The server's private folder in the temporary folder goes when it stops, by a signal
// too; those that servers no longer running left go when the next one starts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "server/serve_process.h"

namespace {

namespace fs = std::filesystem;

// The process id of a child that has ended.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::vector<std::string> FoldersOf(const std::string& dir, pid_t pid) {
    std::vector<std::string> found;
    const std::string prefix = "quill-serve-" + std::to_string(pid) + "-";
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            found.push_back(entry.path().string());
    return found;
}

TEST(ServeWorkFolder, GoesAtExitAndStaleOnesGoAtStart) {
    std::string temp = (fs::temp_directory_path() / "quill-serve-folders-XXXXXX").string();
    ASSERT_NE(::mkdtemp(temp.data()), nullptr);
    const pid_t ended = EndedProcess();
    const std::string stale = temp + "/quill-serve-" + std::to_string(ended) + "-a1b2c3",
                      live = temp + "/quill-serve-" + std::to_string(::getpid()) + "-d4e5f6",
                      other = temp + "/quill-serve-notours";
    for (const std::string& folder : {stale, live, other}) fs::create_directories(folder + "/s");

    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        quill::testing::ServeProcess server(temp);
        ASSERT_TRUE(server.running());
        EXPECT_EQ(server.Send(server.Request("GET", "/api/state?session=tab")).status, 200);
        EXPECT_EQ(FoldersOf(temp, server.pid()).size(), 1u);
        const pid_t pid = server.pid();
        EXPECT_EQ(server.Stop(signal), 0);
        EXPECT_TRUE(FoldersOf(temp, pid).empty());
    }
    EXPECT_FALSE(fs::exists(stale)) << "a crashed server's folder is kept";
    EXPECT_TRUE(fs::exists(live)) << "a running server's folder is removed";
    EXPECT_TRUE(fs::exists(other));
    fs::remove_all(temp);
}

}  // namespace
