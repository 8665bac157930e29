// Compound paths in the host: members are ordinary paths painted as one shape, which the
// art suite, the path style suite, art matching and the fill hit test all agree on; a path
// of several contours in a file opens as one, and saves as one <path> whose members keep
// what the plug-in gave them. (How a saved one renders, holes included, is the round-trip
// tests' flange; that the plug-in's walk over paths finds a member, the compound path
// scenario's.)
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "host/geometry/hit_test.h"
#include "host/svg_test_files.h"
#include "host_fixture.h"

namespace host::testing {
namespace {

class CompoundPathTest : public HostTest {
 protected:
    const AIArtSuite& Art() { return suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion); }

    AIArtHandle NewArt(int16_t type, int16_t order, AIArtHandle prep, ASErr* error = nullptr) {
        AIArtHandle art = nullptr;
        const ASErr result = Art().NewArt(type, order, prep, &art);
        if (error) *error = result;
        return art;
    }

    // A square of side 100 at the origin with a square window from 30 to 70, the window
    // drawn clockwise (the square counter-clockwise) or the same way round.
    host::Art* Flange(bool evenOdd, bool windowReversed) {
        host::Art* compound = doc().NewArt(ArtKind::CompoundPath, kPlaceAboveAll, nullptr);
        compound->editStyle().fillPaint = true;
        compound->editStyle().evenOdd = evenOdd;
        AddMember(compound, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
        std::vector<AIRealPoint> window{{30, 30}, {70, 30}, {70, 70}, {30, 70}};
        if (windowReversed) window = {{30, 30}, {30, 70}, {70, 70}, {70, 30}};
        AddMember(compound, window);
        return compound;
    }

    void AddMember(host::Art* compound, const std::vector<AIRealPoint>& points) {
        host::Art* member = doc().NewArt(ArtKind::Path, kPlaceInsideOnTop, compound);
        std::vector<AIPathSegment> segments;
        for (AIRealPoint p : points) segments.push_back({p, p, p, 1});
        doc().SetSegments(member, segments);
        doc().SetClosed(member, true);
    }
};

TEST_F(CompoundPathTest, MembersArePathsPaintedAsTheirCompoundPath) {
    AIArtHandle compound = NewArt(kCompoundPathArt, kPlaceAboveAll, nullptr);
    ASSERT_NE(compound, nullptr);
    AIArtHandle outer = NewArt(kPathArt, kPlaceInsideOnTop, compound);
    AIArtHandle inner = NewArt(kPathArt, kPlaceInsideOnTop, compound);
    ASSERT_NE(inner, nullptr);
    int16_t type = 0;
    ASSERT_EQ(Art().GetArtType(compound, &type), kNoErr);
    EXPECT_EQ(type, kCompoundPathArt);
    ASSERT_EQ(Art().GetArtType(inner, &type), kNoErr);
    EXPECT_EQ(type, kPathArt);
    AIArtHandle parent = nullptr, child = nullptr;
    Art().GetArtParent(inner, &parent);
    Art().GetArtFirstChild(compound, &child);
    EXPECT_EQ(parent, compound);
    EXPECT_EQ(child, inner);  // the top member first
    char name[64];
    ASSERT_EQ(Art().GetArtName(compound, name, sizeof name, nullptr), kNoErr);
    EXPECT_STREQ(name, "<Tracé transparent>");

    // Only paths go inside a compound path.
    ASErr error = kNoErr;
    EXPECT_EQ(NewArt(kGroupArt, kPlaceInsideOnTop, compound, &error), nullptr);
    EXPECT_EQ(error, kBadParameterErr);
    EXPECT_EQ(NewArt(kGroupArt, kPlaceAbove, outer, &error), nullptr);

    // A member's paint is the whole shape's.
    const auto& styles = suite<AIPathStyleSuite>(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
    AIPathStyle style{};
    ASSERT_EQ(styles.GetPathStyle(inner, &style), kNoErr);
    style.evenodd = true;
    style.stroke.width = 3;
    ASSERT_EQ(styles.SetPathStyle(inner, &style), kNoErr);
    for (AIArtHandle art : {compound, outer}) {
        AIPathStyle read{};
        ASSERT_EQ(styles.GetPathStyle(art, &read), kNoErr);
        EXPECT_TRUE(read.evenodd);
        EXPECT_EQ(read.stroke.width, 3);
    }
}

TEST_F(CompoundPathTest, TheFillOfAMemberLeavesOutTheHolesOfTheWhole) {
    struct Row {
        bool evenOdd, windowReversed;
        bool windowFilled;
    };
    const Row rows[] = {
        {true, false, false}, {true, true, false}, {false, true, false}, {false, false, true}};
    for (const Row& row : rows) {
        host::Art* compound = Flange(row.evenOdd, row.windowReversed);
        const Hit material =
            HitTest(doc(), host_.segmentIndex(), {15, 50}, 2, kFillHitRequest, nullptr);
        ASSERT_TRUE(material.hit);
        EXPECT_EQ(material.art->compound(), compound);
        EXPECT_EQ(material.group, compound);
        const Hit window =
            HitTest(doc(), host_.segmentIndex(), {50, 50}, 2, kFillHitRequest, nullptr);
        EXPECT_EQ(window.hit, row.windowFilled) << row.evenOdd << row.windowReversed;
        doc().Dispose(compound);
    }
}

std::string Svg(const std::string& body) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100pt\" height=\"100pt\" "
           "viewBox=\"0 0 100 100\">" +
           body + "</svg>";
}

TEST(CompoundPathFile, ContoursOfOneElementBecomeOneCompoundPath) {
    struct Row {
        const char* element;
        ArtKind kind;
        std::size_t members;
        bool evenOdd;
    };
    const Row rows[] = {
        {"<path fill-rule=\"evenodd\" d=\"M0 0H10V10H0Z M2 2H8V8H2Z\"/>", ArtKind::CompoundPath, 2,
         true},
        {"<path d=\"M0 0H10V10H0Z M2 2V8H8V2Z m1 1h1v1z\"/>", ArtKind::CompoundPath, 3, false},
        {"<path style=\"fill-rule:evenodd\" d=\"M0 0L5 5M6 6L9 9\"/>", ArtKind::CompoundPath, 2,
         true},
        {"<path fill-rule=\"evenodd\" d=\"M0 0H10V10H0Z\"/>", ArtKind::Path, 0, true},
        {"<rect width=\"10\" height=\"10\"/>", ArtKind::Path, 0, false},
    };
    for (const Row& row : rows) {
        auto doc = LoadSvgText(Svg(row.element));
        const Art& art = *doc->layers()[0]->group()->children().at(0);
        EXPECT_EQ(art.kind(), row.kind) << row.element;
        EXPECT_EQ(art.children().size(), row.members) << row.element;
        EXPECT_EQ(art.style().evenOdd, row.evenOdd) << row.element;
        for (const auto& member : art.children()) {
            EXPECT_EQ(member->kind(), ArtKind::Path);
            EXPECT_EQ(member->style().evenOdd, row.evenOdd);
        }
    }
}

TEST(CompoundPathFile, MembersKeepTheirNamesTagsAndAnchorsThroughAFile) {
    auto doc =
        LoadSvgText(Svg("<path id=\"plate\" fill=\"#333\" d=\"M0 0H90V90H0Z M10 10 "
                        "C 20 10 30 20 30 30 L 40 30\"/>"));
    Art* compound = doc->layers()[0]->group()->children().at(0).get();
    ASSERT_EQ(compound->kind(), ArtKind::CompoundPath);
    Art* member = compound->children().at(1).get();
    member->name = "bore";
    member->SetTag("segpt1", "3");
    member->segments[1].corner = 0;          // smooth, though a handle is retracted
    member->segments.back().out = {50, 75};  // a handle SVG cannot draw at an open end
    const std::string path = TempSvgPath("saved.svg");
    std::string error;
    ASSERT_TRUE(SaveSvgDocument(*doc, path, &error)) << error;
    const std::string text = ReadTextFile(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'M'), 2) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("<path quill:name=\"plate\"[^>]*fill-rule="
                                                   "\"nonzero\"[^>]*>\\s*<quill:member")))
        << text;

    std::string warnings;
    auto again = LoadSvgDocument(path, &error, &warnings);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(warnings, "");
    const Art& read = *again->layers()[0]->group()->children().at(0);
    ASSERT_EQ(read.kind(), ArtKind::CompoundPath);
    EXPECT_EQ(read.name, "plate");
    ASSERT_EQ(read.children().size(), 2u);
    const Art& bore = *read.children()[1];
    EXPECT_EQ(bore.name, "bore");
    EXPECT_EQ(bore.tags, member->tags);
    ASSERT_EQ(bore.segments.size(), member->segments.size());
    for (std::size_t i = 0; i < bore.segments.size(); ++i) {
        EXPECT_EQ(bore.segments[i].corner, member->segments[i].corner) << i;
        EXPECT_NEAR(bore.segments[i].out.h, member->segments[i].out.h, 1e-4) << i;
        EXPECT_NEAR(bore.segments[i].out.v, member->segments[i].out.v, 1e-4) << i;
    }
    EXPECT_TRUE(read.children()[0]->name.empty());

    // Records edited out of step with the contours are left unread, with a word.
    const std::string edited = std::regex_replace(text, std::regex("<quill:member />"), "");
    auto stray = LoadSvgText(edited, &warnings);
    EXPECT_NE(warnings.find("ignored 1 member records for 2 contours"), std::string::npos)
        << warnings;
    EXPECT_TRUE(stray->layers()[0]->group()->children().at(0)->children().at(1)->name.empty());
}

}  // namespace
}  // namespace host::testing
