// The quill update command line: its exit status, its lines and its report.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>

#include "support/temp_path.h"

namespace {

using quill::testing::FileText;

int Quill(const std::string& arguments, const std::string& errors) {
    const int status = std::system(
        (std::string(QUILL_BINARY) + " " + arguments + " >/dev/null 2>" + errors).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(QuillUpdate, ExitStatusLinesAndReport) {
    const std::string dir = ::testing::TempDir(), drawing = dir + "quill_update_cli.svg",
                      script = dir + "quill_update_cli.qs", errors = dir + "quill_update_cli.err",
                      report = dir + "quill_update_cli.json",
                      out = dir + "quill_update_cli.out.svg";
    EXPECT_EQ(Quill("update", errors), 2);
    EXPECT_EQ(Quill("update " + dir + "none.svg", errors), 3);

    // A dimension whose measured path is then deleted from the file.
    std::ofstream(script) << "doc new\npath name base : 100,100 200,100\nstartup\ntool segment\n"
                             "click 100 100\nclick 200 100\ndoc save " +
                                 drawing + "\n";
    ASSERT_EQ(Quill("run " + script, errors), 0) << FileText(errors);
    const std::string svg = FileText(drawing);
    std::ofstream(drawing) << std::regex_replace(
        svg, std::regex(R"(<path quill:name="base"[^>]*>)"), "");
    EXPECT_EQ(Quill("update " + drawing + " -o " + out + " --report " + report, errors), 1);
    EXPECT_NE(FileText(errors).find("#1 at 150,112: not rebuilt: measured path missing"),
              std::string::npos)
        << FileText(errors);
    const auto json = nlohmann::json::parse(FileText(report));
    EXPECT_EQ(json["summary"]["notRebuilt"], 1);
    EXPECT_EQ(json["dimensions"][0]["status"], "not rebuilt");
    EXPECT_EQ(json["dimensions"][0]["oldLabel"], json["dimensions"][0]["newLabel"]);
    EXPECT_FALSE(FileText(out).empty());
    for (const auto& f : {drawing, script, errors, report, out}) std::remove(f.c_str());
}

// A drawing whose reading skipped something is not written over unless told so; written
// elsewhere it may be.
TEST(QuillUpdate, ADrawingReadWithLossesIsNotWrittenOverUnlessForced) {
    const std::string dir = ::testing::TempDir(), drawing = dir + "quill_update_lossy.svg",
                      out = dir + "quill_update_lossy.out.svg",
                      errors = dir + "quill_update_lossy.err";
    const std::string lossy =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">"
        "<path d=\"M0 0L10 0\" stroke=\"black\"/><use href=\"#nowhere\"/></svg>\n";
    std::ofstream(drawing) << lossy;
    std::remove(out.c_str());
    EXPECT_EQ(Quill("update " + drawing, errors), 4);
    EXPECT_NE(FileText(errors).find(drawing + ": not written over: reading it skipped"),
              std::string::npos)
        << FileText(errors);
    EXPECT_EQ(FileText(drawing), lossy);
    EXPECT_EQ(Quill("update " + drawing + " -o " + drawing, errors), 4);  // the same file
    EXPECT_EQ(Quill("update " + drawing + " -o " + out, errors), 0) << FileText(errors);
    EXPECT_NE(FileText(out).find("<path"), std::string::npos);
    EXPECT_EQ(Quill("update " + drawing + " --force", errors), 0) << FileText(errors);
    EXPECT_NE(FileText(drawing), lossy);
    for (const auto& f : {drawing, out, errors}) std::remove(f.c_str());
}

// quill run fails when a change to the preference file could not be written.
TEST(QuillRun, APreferenceFileNotWrittenFailsTheRun) {
    const std::string dir = ::testing::TempDir(), script = dir + "quill_run_prefs.qs",
                      errors = dir + "quill_run_prefs.err";
    std::ofstream(script) << "prefs " << dir << "no_such_folder/prefs.json\npref Precision 2\n";
    EXPECT_EQ(Quill("run " + script, errors), 1);
    EXPECT_NE(FileText(errors).find("no_such_folder: cannot be locked: No such file or directory"),
              std::string::npos)
        << FileText(errors);
    for (const auto& f : {script, errors}) std::remove(f.c_str());
}

}  // namespace
