// quill run SCRIPT [--dump FILE.json] [--annotation FILE.svg] [--plugin LIBRARY]: runs a
// session script in the stand-in host.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "app/quill/command.h"
#include "host/core/event_state.h"
#include "host/prefs/preference_store.h"
#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"
#include "host/svg/annotation_picture.h"

namespace {

constexpr int kScriptError = 2;
constexpr int kOtherFailure = 1;

struct RunArguments {
    std::string script, dump, annotation, plugin = QUILL_DEFAULT_PLUGIN;
};

bool ParseArguments(int argc, char** argv, RunArguments* args) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--dump" && i + 1 < argc) {
            args->dump = argv[++i];
        } else if (a == "--annotation" && i + 1 < argc) {
            args->annotation = argv[++i];
        } else if (a == "--plugin" && i + 1 < argc) {
            args->plugin = argv[++i];
        } else if (a.rfind("--", 0) == 0 || !args->script.empty()) {
            return false;
        } else {
            args->script = a;
        }
    }
    return !args->script.empty();
}

std::string DirectoryOf(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// The drawing as the view shows it, with the last annotation pass over it.
bool SaveLastPass(host::Host& host, const std::string& path, std::string* error) {
    const host::View& view = host.view();
    const host::ViewFrame frame{view.origin.h, view.origin.v, view.zoom, view.widthPx,
                                view.heightPx};
    return host::SaveAnnotationPicture(host.document(), frame, host.log().annotation, path, error);
}

int Run(int argc, char** argv) {
    RunArguments args;
    if (!ParseArguments(argc, argv, &args)) {
        std::fputs(
            "usage: quill run SCRIPT [--dump FILE.json] [--annotation FILE.svg] [--plugin "
            "LIBRARY]\n",
            stderr);
        return kScriptError;
    }
    host::Host host;
    host::RunOutcome outcome;
    std::ifstream in(args.script, std::ios::binary);
    if (!in) {
        outcome = host::RunOutcome{kScriptError, args.script + ": cannot be read"};
    } else {
        std::stringstream text;
        text << in.rdbuf();
        host::ScriptRunner runner(host, host::RunOptions{args.plugin, DirectoryOf(args.script)});
        outcome = runner.Run(text.str());
        for (const auto& warning : host.log().warnings)
            std::fprintf(stderr, "quill run: %s: %s\n", args.script.c_str(), warning.c_str());
    }
    // The dump is written however the run ended.
    std::string error;
    if (!args.dump.empty() && !host::WriteDump(host, args.dump, &error)) {
        std::fprintf(stderr, "quill run: %s\n", error.c_str());
        if (outcome.exitCode == 0) outcome.exitCode = kOtherFailure;
    }
    if (!args.annotation.empty() && !SaveLastPass(host, args.annotation, &error)) {
        std::fprintf(stderr, "quill run: %s\n", error.c_str());
        if (outcome.exitCode == 0) outcome.exitCode = kOtherFailure;
    }
    // A change the preference file could not keep is lost at exit: the run failed.
    if (const std::string& lost = host.preferences().writeError(); !lost.empty()) {
        std::fprintf(stderr, "quill run: %s\n", lost.c_str());
        if (outcome.exitCode == 0) outcome.exitCode = kOtherFailure;
    }
    if (outcome.exitCode != 0 && !outcome.message.empty())
        std::fprintf(stderr, "quill run: %s: %s\n", args.script.c_str(), outcome.message.c_str());
    return outcome.exitCode;
}

quill::CommandRegistration registration(quill::Command{
    "run", "run SCRIPT [--dump FILE.json] [--annotation FILE.svg] [--plugin LIBRARY]", Run});

}  // namespace
