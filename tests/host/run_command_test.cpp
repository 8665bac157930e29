// `quill run` as a person runs it: exit codes, messages naming the line, and a dump
// written however the run ends.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace {

struct Result {
    int exitCode = -1;
    std::string errors;
    nlohmann::json dump;
};

Result RunQuill(const std::string& name, const std::string& script,
                const std::string& plugin = QUILL_TEST_PLUGIN) {
    std::string dir = ::testing::TempDir();
    std::string scriptPath = dir + name + ".qs", dumpPath = dir + name + ".json",
                errorPath = dir + name + ".err";
    std::ofstream(scriptPath) << script;
    std::remove(dumpPath.c_str());
    std::string command = std::string(QUILL_BINARY) + " run " + scriptPath + " --dump " + dumpPath +
                          " --plugin " + plugin + " 2>" + errorPath;
    int status = std::system(command.c_str());
    Result r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream errors;
    errors << std::ifstream(errorPath).rdbuf();
    r.errors = errors.str();
    std::ifstream dump(dumpPath);
    if (dump) r.dump = nlohmann::json::parse(dump, nullptr, false);
    return r;
}

TEST(QuillRun, ExitCodesAndTheDumpWrittenHoweverTheRunEnds) {
    Result ok = RunQuill("ok", "doc new\nstartup\ntool segment\nclick 10 10\n");
    EXPECT_EQ(ok.exitCode, 0) << ok.errors;
    EXPECT_EQ(ok.dump["tool"], "segment");

    Result syntax = RunQuill("syntax", "doc new\nstartup\nclick 10\n");
    EXPECT_EQ(syntax.exitCode, 2);
    EXPECT_NE(syntax.errors.find("line 3: click:"), std::string::npos) << syntax.errors;
    EXPECT_EQ(syntax.dump["host"]["loaded"], false);  // nothing ran

    Result svg = RunQuill("svg", "doc open drawing.svg\n");
    EXPECT_EQ(svg.exitCode, 2);
    EXPECT_NE(svg.errors.find("line 1: doc open:"), std::string::npos) << svg.errors;

    // A library that cannot start fails the run at its line.
    Result library = RunQuill("library", "doc new\n\nstartup\n", QUILL_TEST_PLUGIN_NO_RESOURCES);
    EXPECT_EQ(library.exitCode, 1);
    EXPECT_NE(library.errors.find(".qs: line 3: startup: "), std::string::npos) << library.errors;
    EXPECT_NE(library.errors.find("quill_rsrc"), std::string::npos) << library.errors;
    EXPECT_EQ(library.dump["host"]["loaded"], false);

    Result missing = RunQuill("missing", "prefs absent.json\npref Precision 3\n");
    EXPECT_EQ(missing.exitCode, 0);  // a missing file is a first run
    EXPECT_EQ(missing.dump["prefs"]["ORLQUILL"]["Precision"], 3);
}

TEST(QuillRun, ADamagedPreferenceFileIsReportedAndTheRunGoesOn) {
    std::string path = ::testing::TempDir() + "damaged_prefs.json";
    std::ofstream(path) << "not json";
    Result r = RunQuill("damaged_file", "prefs \"" + path + "\"\nstartup\n");
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_NE(r.errors.find("damaged preference file"), std::string::npos) << r.errors;
    EXPECT_EQ(r.dump["host"]["loaded"], true);
}

}  // namespace
