#include <gtest/gtest.h>

#include <fstream>

#include "host/loader/plugin_library.h"
#include "sdk/sdk.h"

namespace host {
namespace {

TEST(PluginLibrary, ReadsPropertyListAndResourcesBeforeLoading) {
    PluginLibrary library;
    std::string error;
    ASSERT_TRUE(library.Open(QUILL_TEST_PLUGIN, &error)) << error;
    EXPECT_TRUE(library.loaded());
    EXPECT_NE(library.entry(), nullptr);
    EXPECT_EQ(library.properties().kind, static_cast<std::uint32_t>(kSPIllustratorPluginKind));
    EXPECT_EQ(library.properties().interfaceVersion, 2u);
    EXPECT_EQ(library.properties().linuxEntry, "PluginMain");
    EXPECT_EQ(library.properties().name, "Test Quill");
    EXPECT_NE(library.resources().Find(kIconResourceType, 16051), nullptr);
    EXPECT_NE(library.resources().Find(kCursorResourceType, 21002), nullptr);
    EXPECT_EQ(library.resources().Find(kCursorResourceType, 21003), nullptr);
    library.Close();
    EXPECT_FALSE(library.loaded());
    ASSERT_TRUE(library.Reopen(&error)) << error;
    EXPECT_NE(library.entry(), nullptr);
}

TEST(PluginLibrary, RefusesFilesThatAreNotPluginsWithOneLine) {
    std::string text = ::testing::TempDir() + "not_a_library.so";
    std::ofstream(text) << "just text\n";
    struct Case {
        std::string path, expected;
    } cases[] = {
        {QUILL_TEST_PLUGIN_NO_RESOURCES, "no \"quill_rsrc\" section"},
        {QUILL_TEST_PLUGIN_BAD_KIND, "kind is 'XXXX', not 'SPEA'"},
        {text, "not a 64-bit ELF library"},
        {"/nonexistent/plugin.so", "cannot be read"},
    };
    for (const auto& c : cases) {
        PluginLibrary library;
        std::string error;
        EXPECT_FALSE(library.Open(c.path, &error)) << c.path;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
        EXPECT_NE(error.find(c.path), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_FALSE(library.loaded());
    }
}

TEST(ResourceArchive, RefusesEntriesOutsideTheArchive) {
    std::vector<std::uint8_t> image = {'Q', 'R', 'S', 'C', 1, 0, 0, 0,
                                       'N', 'O', 'C', 'I', 0, 0, 0, 0,   // type, id
                                       0,   1,   0,   0,   8, 0, 0, 0};  // offset 256, size 8
    ResourceArchive archive;
    std::string error;
    EXPECT_FALSE(archive.Parse(image, &error));
    EXPECT_NE(error.find("outside"), std::string::npos);
    image[1] = 'X';
    EXPECT_FALSE(archive.Parse(image, &error));
    EXPECT_FALSE(archive.Parse({}, &error));
}

}  // namespace
}  // namespace host
