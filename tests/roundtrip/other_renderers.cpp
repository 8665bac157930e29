#include "roundtrip/other_renderers.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "roundtrip/external_program.h"

namespace quill::roundtrip {

namespace {

// One line of Inkscape's shell: open, export the page at the exact size on white, close.
std::string InkscapeLine(const PictureJob& job) {
    std::ostringstream line;
    line << "file-open:" << job.svg << ";export-filename:" << job.png
         << ";export-width:" << job.width << ";export-height:" << job.height
         << ";export-background:white;export-background-opacity:1;export-area-page;"
            "export-do;file-close\n";
    return line.str();
}

}  // namespace

RendererRun PictureWithInkscape(const std::vector<PictureJob>& jobs, const std::string& folder) {
    RendererRun result;
    const ProgramRun version = RunProgram({"inkscape", "--version"}, "", folder + "/inkscape.log");
    if (version.exitCode != 0) {
        result.failure = "inkscape cannot be run (scripts/setup.sh installs Debian's inkscape): " +
                         version.output.substr(0, 300);
        return result;
    }
    std::string commands;
    for (const PictureJob& job : jobs) commands += InkscapeLine(job);
    commands += "quit\n";
    const std::string input = folder + "/inkscape_commands.txt";
    if (!WriteText(input, commands)) {
        result.failure = input + ": cannot be written";
        return result;
    }
    const ProgramRun run = RunProgram({"inkscape", "--shell"}, input, folder + "/inkscape.log");
    result.log = run.output;
    if (run.exitCode != 0)
        result.failure = "inkscape --shell ended with " + std::to_string(run.exitCode);
    return result;
}

std::string InkscapeComplaintsAbout(const std::string& log, const std::string& svg) {
    std::istringstream lines(log);
    std::string line, complaints;
    // The shell echoes its commands after "> ": those name the file too, and are no complaint.
    while (std::getline(lines, line))
        if (line.find(svg) != std::string::npos && line.find("file-open:") == std::string::npos)
            complaints += line + "\n";
    return complaints;
}

RendererRun PictureWithChromium(const std::vector<PictureJob>& jobs, const std::string& folder) {
    RendererRun result;
    nlohmann::json list = nlohmann::json::array();
    for (const PictureJob& job : jobs)
        list.push_back(
            {{"svg", job.svg}, {"png", job.png}, {"width", job.width}, {"height", job.height}});
    const std::string listPath = folder + "/chromium_pictures.json";
    if (!WriteText(listPath, list.dump(2))) {
        result.failure = listPath + ": cannot be written";
        return result;
    }
    const ProgramRun run =
        RunProgram({QUILL_NODE, QUILL_SOURCE_DIR "/tests/web/svg_pictures.mjs", listPath}, "",
                   folder + "/chromium.log");
    result.log = run.output;
    if (run.exitCode != 0)
        result.failure =
            "chromium's pictures failed (scripts/setup.sh installs chromium and "
            "Playwright): " +
            run.output.substr(0, 400);
    return result;
}

}  // namespace quill::roundtrip
