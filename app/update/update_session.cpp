#include "app/update/update_session.h"

#include <sys/stat.h>

#include "app/update/update_settings.h"
#include "host/core/event_state.h"
#include "host/scripting/session_actions.h"
#include "host/svg/svg.h"

namespace quill::update {

namespace {

// The host the suites serve while the update runs.
class CurrentHostScope {
 public:
    explicit CurrentHostScope(host::Host& host)
        : previous_(host::HasCurrentHost() ? &host::CurrentHost() : nullptr) {
        host::SetCurrentHost(&host);
    }
    ~CurrentHostScope() { host::SetCurrentHost(previous_); }
    CurrentHostScope(const CurrentHostScope&) = delete;
    CurrentHostScope& operator=(const CurrentHostScope&) = delete;

 private:
    host::Host* previous_;
};

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

UpdateRun UpdateDrawing(const std::string& in, const std::string& out,
                        const UpdateOptions& options) {
    UpdateRun run;
    std::string warnings;
    auto document = host::LoadSvgDocument(in, &run.error, &warnings);
    if (!warnings.empty()) run.warnings.push_back(warnings);
    if (!document) return run;
    if (!warnings.empty() && !options.overwriteWhatWasSkipped && SameFile(in, out)) {
        run.error = in + ": not written over: reading it skipped what the drawing would lose";
        run.refusedForSkipped = true;
        return run;
    }
    host::Host host;
    CurrentHostScope scope(host);
    host.ReplaceDocument(std::move(document));
    std::string skipped;
    run.settings = ChooseSettings(options.prefs, host, &skipped, &run.error);
    if (!skipped.empty()) run.warnings.push_back(skipped);
    if (run.settings.empty() || !host.StartPlugin(options.plugin, &run.error)) return run;
    run.dimensions = UpdateDimensions(host, options.plugin);
    host.ShutdownPlugins();
    host::SaveDrawing(host, out, &run.error);
    return run;
}

}  // namespace quill::update
