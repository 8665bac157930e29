// quill serve [DRAWING.svg] [--port N] [--host ADDR] [--prefs FILE] [--idle-minutes M]
// [--sessions N] [--plugin LIBRARY]: the browser front end. Prints the page's address and
// serves until interrupted; each tab's session runs in a process of its own, at most N
// (default 16) at once; a session no tab has used for M minutes (default 30) is freed,
// unsaved. `quill serve --worker ...` is such a process, which the server starts.
#include <pthread.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "app/quill/command.h"
#include "app/serve/server.h"
#include "app/serve/work_folder.h"
#include "app/serve/worker_process.h"
#include "host/prefs/preference_files.h"

namespace {

constexpr int kUsageError = 2;

bool ParseArguments(int argc, char** argv, quill::serve::ServerOptions* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--port" && hasValue) {
            char* end = nullptr;
            const long port = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || port < 0 || port > 65535) return false;
            options->port = static_cast<int>(port);
        } else if (a == "--host" && hasValue) {
            options->address = argv[++i];
        } else if (a == "--prefs" && hasValue) {
            options->session.prefsPath = argv[++i];
            options->session.prefsChosen = true;
        } else if (a == "--idle-minutes" && hasValue) {
            char* end = nullptr;
            const double minutes = std::strtod(argv[++i], &end);
            if (*end != '\0' || !(minutes > 0 && minutes <= 7 * 24 * 60)) return false;
            options->idleLimit = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                std::chrono::duration<double, std::ratio<60>>(minutes));
        } else if (a == "--sessions" && hasValue) {
            char* end = nullptr;
            const long most = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || most < 1 ||
                most > static_cast<long>(quill::serve::kMostSessionsAllowed))
                return false;
            options->mostSessions = static_cast<std::size_t>(most);
        } else if (a == "--plugin" && hasValue) {
            options->session.pluginPath = argv[++i];
        } else if (a.rfind("--", 0) == 0 || !options->session.drawingPath.empty()) {
            return false;
        } else {
            options->session.drawingPath = a;
        }
    }
    return true;
}

// The user's preference file, in a folder made for it.
std::string DefaultPrefsFile() {
    const std::string file = host::UserPreferenceFile();
    if (file.empty()) return file;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
    return file;
}

// Interrupt and terminate are waited for by a thread of their own, which stops the
// server; every other thread has them blocked.
void StopOnSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread([signals] {
        int received = 0;
        sigwait(&signals, &received);
        quill::serve::Stop();
    }).detach();
}

int Serve(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--worker") return quill::serve::RunWorker(argc, argv);
    quill::serve::ServerOptions options;
    options.session.pluginPath = QUILL_DEFAULT_PLUGIN;
    options.webDir = QUILL_WEB_DIR;
    if (!ParseArguments(argc, argv, &options)) {
        std::fputs(
            "usage: quill serve [DRAWING.svg] [--port N] [--host ADDR] [--prefs FILE] "
            "[--idle-minutes M] [--sessions N] [--plugin LIBRARY]\n",
            stderr);
        return kUsageError;
    }
    if (options.session.prefsPath.empty()) options.session.prefsPath = DefaultPrefsFile();
    if (const char* web = std::getenv("QUILL_WEB_DIR"); web && *web) options.webDir = web;
    std::error_code noTemp;
    quill::serve::RemoveStaleWorkFolders(std::filesystem::temp_directory_path(noTemp).string());
    std::string work, error;
    if (!quill::serve::MakeWorkFolder(&work, &error)) {
        std::fprintf(stderr, "quill serve: %s\n", error.c_str());
        return 1;
    }
    options.session.workDir = work;
    StopOnSignals();
    const bool ok = quill::serve::Serve(
        options,
        [](const std::string& address) {
            std::printf("Quill is at %s\n", address.c_str());
            std::fflush(stdout);
        },
        &error);
    std::error_code ignored;
    std::filesystem::remove_all(work, ignored);
    if (!ok) std::fprintf(stderr, "quill serve: %s\n", error.c_str());
    return ok ? 0 : 1;
}

quill::CommandRegistration registration(quill::Command{
    "serve",
    "serve [DRAWING.svg] [--port N] [--host ADDR] [--prefs FILE] [--idle-minutes M] "
    "[--sessions N] [--plugin LIBRARY]",
    Serve});

}  // namespace
