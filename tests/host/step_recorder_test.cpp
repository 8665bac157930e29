// A step recorded as the changes it made, put back by the document: every art named
// where it stood, with what it held, whatever the step did to it and in whatever order.
#include "host/document/step_recorder.h"

#include <gtest/gtest.h>

#include <string>

namespace host {
namespace {

// The layer's tree as names, children in brackets, with each path's first x.
std::string Tree(const Art& group) {
    std::string text;
    for (const auto& child : group.children()) {
        text += child->name.str();
        if (!child->segments.empty()) text += "@" + std::to_string(int(child->segments[0].p.h));
        if (child->kind() == ArtKind::Group) text += "[" + Tree(*child) + "]";
        text += " ";
    }
    return text;
}

Art* NewPath(Document& doc, const char* name, float x, int order = kPlaceAboveAll,
             Art* prep = nullptr) {
    Art* art = doc.NewArt(ArtKind::Path, order, prep);
    art->name = name;
    doc.SetSegments(art, {{{x, 0}, {x, 0}, {x, 0}, 1}, {{x + 1, 0}, {x + 1, 0}, {x + 1, 0}, 1}});
    return art;
}

void Restore(Document& doc, const std::vector<ArtChange>& changes, bool before) {
    std::vector<std::pair<ObjectId, const ArtRecord*>> records;
    for (const ArtChange& change : changes)
        records.emplace_back(change.id, before ? &change.before : &change.after);
    doc.Restore(records);
}

TEST(StepRecorder, EveryKindOfChangeIsTakenBackAndDoneAgain) {
    Document doc;
    Art* a = NewPath(doc, "a", 10);
    Art* g = doc.NewArt(ArtKind::Group, kPlaceAboveAll, nullptr);
    g->name = "g";
    NewPath(doc, "g1", 20, kPlaceInsideOnTop, g);
    NewPath(doc, "g2", 30, kPlaceInsideOnTop, g);
    Art* b = NewPath(doc, "b", 40);
    const Art& layer = *doc.currentLayer()->group();
    const std::string before = Tree(layer);
    const ObjectId gId = g->id();

    StepRecorder recorder;
    recorder.Begin(doc);
    doc.Move(b, kPlaceInsideOnBottom, g);  // b into the group
    doc.Dispose(g->children()[1].get());   // g1 goes
    Art* c = NewPath(doc, "c", 50, kPlaceBelow, a);
    const ObjectId cId = c->id();
    doc.SetSegments(a, {{{11, 0}, {11, 0}, {11, 0}, 1}});
    doc.Touch(*c);
    c->SetTag("orl", "jj");
    Art* h = doc.NewArt(ArtKind::Group, kPlaceAboveAll, nullptr);
    h->name = "h";
    doc.Move(c, kPlaceInsideOnTop, h);
    const std::string after = Tree(layer);
    const std::vector<ArtChange> changes = recorder.End().changes;
    EXPECT_EQ(after, "a@11 g[b@40 g2@30 ] h[c@50 ] ");

    Restore(doc, changes, true);
    EXPECT_EQ(Tree(layer), before);
    ASSERT_NE(doc.FindArt(gId), nullptr);
    EXPECT_EQ(doc.FindArt(cId), nullptr);
    Restore(doc, changes, false);
    EXPECT_EQ(Tree(layer), after);
    Restore(doc, changes, true);
    EXPECT_EQ(Tree(layer), before);
}

// A step that touches many siblings finds their places from a table of the layer's
// children, made again whenever a child is put in or taken out meanwhile.
TEST(StepRecorder, ManySiblingsTouchedAmongInsertionsComeBackInPlace) {
    Document doc;
    std::vector<Art*> paths;
    for (int i = 0; i < 120; ++i) paths.push_back(NewPath(doc, "p", static_cast<float>(i)));
    const Art& layer = *doc.currentLayer()->group();
    const std::string before = Tree(layer);
    StepRecorder recorder;
    recorder.Begin(doc);
    auto rename = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            doc.Touch(*paths[i]);
            paths[i]->name = "q";
        }
    };
    rename(0, 50);
    NewPath(doc, "new", 500, kPlaceAbove, paths[3]);
    rename(50, 90);
    doc.Dispose(paths[95]);
    doc.Move(paths[100], kPlaceBelow, paths[1]);
    rename(96, 120);
    const std::string after = Tree(layer);
    const std::vector<ArtChange> changes = recorder.End().changes;
    Restore(doc, changes, true);
    EXPECT_EQ(Tree(layer), before);
    Restore(doc, changes, false);
    EXPECT_EQ(Tree(layer), after);
    EXPECT_NE(after.find("q@100 q@1 q@2 q@3 new@500"), std::string::npos) << after;
}

TEST(StepRecorder, ArtThatEndsAsItBeganIsLeftOut) {
    Document doc;
    Art* a = NewPath(doc, "a", 10);
    Art* b = NewPath(doc, "b", 20);
    StepRecorder recorder;
    recorder.Begin(doc);
    doc.Move(a, kPlaceAbove, b);
    doc.Move(a, kPlaceBelow, b);
    Art* gone = NewPath(doc, "gone", 30);
    doc.Dispose(gone);
    doc.Touch(*b);
    b->attributes |= kArtSelected;
    const std::vector<ArtChange> changes = recorder.End().changes;
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].id, b->id());
    EXPECT_TRUE(OnlySelectionDiffers(changes[0].before, changes[0].after));
    EXPECT_FALSE(SameRecord(changes[0].before, changes[0].after));
}

}  // namespace
}  // namespace host
