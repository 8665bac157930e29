// quill update DRAWING.svg [-o OUT.svg] [--force] [--report FILE.json] [--prefs FILE.json]
// [--plugin LIBRARY]: rebuilds every associative dimension of a drawing on the current
// positions of what it measures, through the plug-in's own tools, and writes the drawing.
#include <cstdio>
#include <string>

#include "app/quill/command.h"
#include "app/update/update_report.h"
#include "app/update/update_session.h"
#include "host/io/safe_write.h"

namespace {

constexpr int kAllRebuilt = 0;
constexpr int kSomeNotRebuilt = 1;
constexpr int kUsageError = 2;
constexpr int kNotUpdated = 3;
constexpr int kRefusedForSkipped = 4;

constexpr const char* kUsage =
    "update DRAWING.svg [-o OUT.svg] [--force] [--report FILE.json] [--prefs FILE.json] "
    "[--plugin LIBRARY]";

struct UpdateArguments {
    std::string drawing, out, report;
    quill::update::UpdateOptions options;
};

bool ParseArguments(int argc, char** argv, UpdateArguments* args) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "-o" && hasValue) {
            args->out = argv[++i];
        } else if (a == "--force") {
            args->options.overwriteWhatWasSkipped = true;
        } else if (a == "--report" && hasValue) {
            args->report = argv[++i];
        } else if (a == "--prefs" && hasValue) {
            args->options.prefs = argv[++i];
        } else if (a == "--plugin" && hasValue) {
            args->options.plugin = argv[++i];
        } else if (a.rfind("-", 0) == 0 || !args->drawing.empty()) {
            return false;
        } else {
            args->drawing = a;
        }
    }
    if (args->out.empty()) args->out = args->drawing;
    return !args->drawing.empty();
}

int Update(int argc, char** argv) {
    UpdateArguments args;
    if (!ParseArguments(argc, argv, &args)) {
        std::fprintf(stderr, "usage: quill %s\n", kUsage);
        return kUsageError;
    }
    using namespace quill::update;
    const UpdateRun run = UpdateDrawing(args.drawing, args.out, args.options);
    for (const std::string& warning : run.warnings)
        std::fprintf(stderr, "quill update: %s\n", warning.c_str());
    if (run.refusedForSkipped) {
        std::fprintf(stderr, "quill update: %s (-o OUT.svg writes it elsewhere, --force over it)\n",
                     run.error.c_str());
        return kRefusedForSkipped;
    }
    if (!run.error.empty()) {
        std::fprintf(stderr, "quill update: %s\n", run.error.c_str());
        return kNotUpdated;
    }
    std::printf("quill update: the settings are %s\n", run.settings.c_str());
    for (const DimensionOutcome& outcome : run.dimensions) {
        const std::vector<std::string> lines = OutcomeLines({outcome});
        if (lines.empty()) continue;
        std::FILE* to = outcome.status == UpdateStatus::NotRebuilt ? stderr : stdout;
        std::fprintf(to, "quill update: %s\n", lines.front().c_str());
    }
    std::printf("quill update: %s\n", SummaryLine(run.dimensions).c_str());
    std::string error;
    if (!args.report.empty() &&
        !host::WriteFileSafely(args.report, ReportJson(args.drawing, run.dimensions), &error)) {
        std::fprintf(stderr, "quill update: %s\n", error.c_str());
        return kNotUpdated;
    }
    return CountOf(run.dimensions, UpdateStatus::NotRebuilt) == 0 ? kAllRebuilt : kSomeNotRebuilt;
}

quill::CommandRegistration registration(quill::Command{"update", kUsage, Update});

}  // namespace
