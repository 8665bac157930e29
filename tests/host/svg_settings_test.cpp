// The plug-in's settings a drawing carries under <metadata>: read out of the metadata,
// written back once, escaped, beside what other programs keep there; and what the file's
// transforms did to its art, noted for the art they moved.
#include <gtest/gtest.h>

#include "host/prefs/preference_json.h"
#include "host/svg/svg.h"
#include "svg_test_files.h"

namespace host::testing {
namespace {

constexpr const char* kSettings = R"({"ORLQUILL":{"NomCalque":"Cotes <&> \"1\"","Zoom":150}})";

std::string Drawing(const std::string& metadata) {
    return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:quill="https://quill.invalid/ns/1"
 xmlns:dc="http://purl.org/dc/elements/1.1/" width="100" height="100">)" +
           metadata + R"(<path d="M 0 0 L 10 0"/></svg>)";
}

TEST(SvgSettings, AreTakenFromTheMetadataAndWrittenBackOnceBesideWhatElseItHolds) {
    const std::string escaped =
        R"({"ORLQUILL":{"NomCalque":"Cotes &lt;&amp;&gt; \"1\"","Zoom":150}})";
    const struct {
        std::string metadata;
        std::string settings;     // what the document reads
        bool keepsOtherMetadata;  // what is written back beside the settings
    } rows[] = {
        {"<metadata><quill:settings>" + escaped + "</quill:settings></metadata>", kSettings, false},
        {"<metadata>\n <dc:title>Plaque</dc:title>\n <quill:settings>" + escaped +
             "</quill:settings>\n</metadata>",
         kSettings, true},
        {"<metadata><dc:title>Plaque</dc:title></metadata>", "", true},
    };
    for (const auto& row : rows) {
        auto document = LoadSvgText(Drawing(row.metadata));
        ASSERT_TRUE(document);
        EXPECT_EQ(document->pluginSettings(), row.settings) << row.metadata;
        const std::string saved = TempSvgPath("saved.svg");
        std::string error;
        ASSERT_TRUE(SaveSvgDocument(*document, saved, &error)) << error;
        const std::string text = ReadTextFile(saved);
        EXPECT_EQ(text.find("<dc:title>Plaque</dc:title>") != std::string::npos,
                  row.keepsOtherMetadata)
            << text;
        const auto first = text.find("<quill:settings>");
        EXPECT_EQ(first != std::string::npos, !row.settings.empty()) << text;
        if (first == std::string::npos) continue;
        EXPECT_EQ(text.find("<quill:settings>", first + 1), std::string::npos) << text;
        std::string again;
        auto reread = LoadSvgDocument(saved, &error, &again);
        ASSERT_TRUE(reread) << error;
        EXPECT_EQ(reread->pluginSettings(), row.settings);
        PreferenceStore store;
        ASSERT_TRUE(PutPreferenceJson(reread->pluginSettings(), &store, &error)) << error;
        std::string layer;
        store.GetText("ORLQUILL", "NomCalque", &layer);
        EXPECT_EQ(layer, "Cotes <&> \"1\"");
    }
}

TEST(SvgSettings, TheFilesTransformsAreNotedForTheArtTheyMoved) {
    auto document = LoadSvgText(
        R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="100pt" height="100pt" viewBox="0 0 100 100">
<g transform="translate(10 0)"><path transform="scale(2)" d="M 0 0 L 10 0"/></g>
<path d="M 0 5 L 10 5"/></svg>)svg");
    ASSERT_TRUE(document);
    std::vector<const Art*> art;
    document->ForEachArt([&](Art& a) { art.push_back(&a); });
    ASSERT_EQ(art.size(), 3u);
    // Document points run upwards: the group moved 10 to the right, the path within it
    // doubled about the group's origin (the page's top left corner, y = 100).
    const PlaneMap group = document->FileMove(art[0]->id());
    EXPECT_EQ(group.e, 10);
    EXPECT_EQ(group.f, 0);
    const PlaneMap scaled = document->FileMove(art[1]->id());
    EXPECT_EQ(scaled.a, 2);
    EXPECT_EQ(scaled.d, 2);
    EXPECT_NEAR(scaled.e, -10, 1e-9);
    EXPECT_NEAR(scaled.f, -100, 1e-9);
    EXPECT_TRUE(document->FileMove(art[2]->id()).IsIdentity());
}

}  // namespace
}  // namespace host::testing
