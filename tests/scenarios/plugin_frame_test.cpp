// The plug-in library itself, loaded by the host: what it exports, what it registers at
// start-up, and how it reports a failure with and without a list of error messages.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "host/loader/resource_archive.h"
#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"

namespace {

using nlohmann::json;

struct Session {
    host::RunOutcome outcome;
    json dump;
};

// Runs the script on a new document with `plugin`; the test fails when it does not run to
// its end.
Session RunScript(const std::string& script, const std::string& plugin = QUILL_PLUGIN) {
    host::Host host;
    Session run;
    {
        host::ScriptRunner runner(host, host::RunOptions{plugin, ""});
        run.outcome = runner.Run("doc new\n" + script);
    }
    EXPECT_EQ(run.outcome.exitCode, 0) << run.outcome.message;
    run.dump = json::parse(host::DumpText(host));
    return run;
}

// The names of the symbols a shared library defines for others (ELF64 .dynsym).
std::vector<std::string> ExportedSymbols(const std::string& path) {
    std::vector<std::uint8_t> symbols, names;
    std::string error;
    if (!host::ReadElfSection(path, ".dynsym", &symbols, &error) ||
        !host::ReadElfSection(path, ".dynstr", &names, &error)) {
        ADD_FAILURE() << error;
        return {};
    }
    constexpr std::size_t kSymbolSize = 24;  // st_name, st_info, st_other, st_shndx, ...
    std::vector<std::string> exported;
    for (std::size_t at = 0; at + kSymbolSize <= symbols.size(); at += kSymbolSize) {
        std::uint32_t name = 0;
        std::uint16_t section = 0;
        std::memcpy(&name, &symbols[at], 4);
        std::memcpy(&section, &symbols[at + 6], 2);
        const int binding = symbols[at + 4] >> 4;
        const bool global = binding == 1 || binding == 2 || binding == 10;  // global, weak, unique
        if (section != 0 && global && name < names.size())
            exported.emplace_back(reinterpret_cast<const char*>(&names[name]));
    }
    return exported;
}

TEST(PluginLibrary, ExportsPluginMainAlone) {
    for (const char* path : {QUILL_PLUGIN, QUILL_PLUGIN_WITH_ERROR_LIST})
        EXPECT_EQ(ExportedSymbols(path), std::vector<std::string>{"PluginMain"}) << path;
}

TEST(PluginLibrary, CarriesItsPropertyListIconsAndCursors) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(host::ReadElfSection(QUILL_PLUGIN, kResourceSectionName, &bytes, &error)) << error;
    host::ResourceArchive archive;
    ASSERT_TRUE(archive.Parse(bytes, &error)) << error;
    EXPECT_EQ(archive.size(), 1u + 12u + 11u);  // no string list travels with the product
    host::PluginProperties properties;
    ASSERT_TRUE(
        host::ParsePropertyList(*archive.Find(kPIPLResourceType, 16000), &properties, &error))
        << error;
    EXPECT_EQ(properties.name, "Quill");
    EXPECT_EQ(properties.interfaceVersion, 2u);
    EXPECT_EQ(properties.win32Entry, "PluginMain");
    EXPECT_EQ(properties.linuxEntry, "PluginMain");
}

TEST(PluginLibrary, StartupRegistersEverythingTheUserSees) {
    Session run = RunScript("startup\n");
    const json& registered = run.dump["host"];
    EXPECT_EQ(registered["plugin"], "Quill");
    EXPECT_EQ(registered["selectedTool"], "Adobe Select Tool");
    EXPECT_EQ(registered["tools"].size(), 6u);  // their records: PluginRegistration
    EXPECT_EQ(registered["menus"],
              json::parse(R"([{"group": "About", "items": ["À propos des Orl-Outils…"]},
                              {"group": "À propos des Orl-Outils…", "items": ["Orl-Quill…"]}])"));
    EXPECT_EQ(registered["notifiers"].size(), 4u);
    EXPECT_EQ(registered["annotators"], json::parse(R"([{"name": "OrlAnno", "active": false}])"));
    EXPECT_EQ(run.dump["prefs"]["ORLQUILL"]["Precision"], 1);  // the settings were reset
    EXPECT_TRUE(run.dump["alerts"].empty());
}

TEST(PluginLibrary, SharedAboutSubmenuGetsOnlyTheItem) {
    Session run = RunScript("menu-group \"À propos des Orl-Outils…\"\nstartup\n");
    const json& menus = run.dump["host"]["menus"];
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[1], json::parse(R"({"group": "À propos des Orl-Outils…",
                                        "items": ["Orl-Quill…"]})"));
}

TEST(PluginLibrary, FailureIsToldOnlyWhenTheLibraryCarriesErrorMessages) {
    const std::string script = "fail Tool.SetSelectedTool \"PARM\" 1\nstartup\n";
    Session product = RunScript(script);
    EXPECT_TRUE(product.dump["alerts"].empty());
    Session withList = RunScript(script, QUILL_PLUGIN_WITH_ERROR_LIST);
    EXPECT_EQ(withList.dump["alerts"], json::array({"Paramètre refusé par l’hôte (PARM)."}));
}

}  // namespace
