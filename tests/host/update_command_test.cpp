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

namespace {

std::string Read(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

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
    ASSERT_EQ(Quill("run " + script, errors), 0) << Read(errors);
    const std::string svg = Read(drawing);
    std::ofstream(drawing) << std::regex_replace(
        svg, std::regex(R"(<path quill:name="base"[^>]*>)"), "");
    EXPECT_EQ(Quill("update " + drawing + " -o " + out + " --report " + report, errors), 1);
    EXPECT_NE(Read(errors).find("#1 at 150,112: not rebuilt: measured path missing"),
              std::string::npos)
        << Read(errors);
    const auto json = nlohmann::json::parse(Read(report));
    EXPECT_EQ(json["summary"]["notRebuilt"], 1);
    EXPECT_EQ(json["dimensions"][0]["status"], "not rebuilt");
    EXPECT_EQ(json["dimensions"][0]["oldLabel"], json["dimensions"][0]["newLabel"]);
    EXPECT_FALSE(Read(out).empty());
    for (const auto& f : {drawing, script, errors, report, out}) std::remove(f.c_str());
}

}  // namespace
