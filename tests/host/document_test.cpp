#include "host/document/document.h"

#include "host/geometry/art_matching.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace host {
namespace {

TEST(Document, PlacementAboveBelowInside) {
    Document doc;
    Art* a = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);
    Art* g = doc.NewArt(ArtKind::Group, kPlaceAbove, a);
    Art* b = doc.NewArt(ArtKind::Path, kPlaceBelow, a);
    Art* inTop = doc.NewArt(ArtKind::Path, kPlaceInsideOnTop, g);
    Art* inBottom = doc.NewArt(ArtKind::Path, kPlaceInsideOnBottom, g);
    const auto& layerArt = doc.currentLayer()->group()->children();
    ASSERT_EQ(layerArt.size(), 3u);
    EXPECT_EQ(layerArt[0].get(), b);
    EXPECT_EQ(layerArt[1].get(), a);
    EXPECT_EQ(layerArt[2].get(), g);
    ASSERT_EQ(g->children().size(), 2u);
    EXPECT_EQ(g->children()[0].get(), inBottom);
    EXPECT_EQ(g->children()[1].get(), inTop);
    EXPECT_EQ(doc.NewArt(ArtKind::Path, kPlaceInsideOnTop, a), nullptr);
    EXPECT_EQ(doc.NewArt(ArtKind::Path, kPlaceAbove, doc.currentLayer()->group()), nullptr);
}

TEST(Document, DisposedArtIsNoLongerFoundAndIdsAreNotReused) {
    Document doc;
    Art* g = doc.NewArt(ArtKind::Group, kPlaceDefault, nullptr);
    Art* child = doc.NewArt(ArtKind::Path, kPlaceInsideOnTop, g);
    ObjectId groupId = g->id(), childId = child->id();
    EXPECT_TRUE(doc.Dispose(g));
    EXPECT_EQ(doc.FindArt(groupId), nullptr);
    EXPECT_EQ(doc.FindArt(childId), nullptr);
    Art* fresh = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);
    EXPECT_NE(fresh->id(), groupId);
    EXPECT_NE(fresh->id(), childId);
    EXPECT_FALSE(doc.Dispose(doc.currentLayer()->group()));
}

TEST(Document, MoveWithinTheSameParentAndNeverIntoItself) {
    Document doc;
    Art* a = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);
    Art* b = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);
    Art* c = doc.NewArt(ArtKind::Group, kPlaceDefault, nullptr);
    EXPECT_TRUE(doc.Move(a, kPlaceAbove, b));
    const auto& art = doc.currentLayer()->group()->children();
    EXPECT_EQ(art[0].get(), b);
    EXPECT_EQ(art[1].get(), a);
    EXPECT_EQ(art[2].get(), c);
    EXPECT_FALSE(doc.Move(c, kPlaceInsideOnTop, c));
    EXPECT_TRUE(doc.Move(a, kPlaceInsideOnTop, c));
    EXPECT_EQ(a->parent(), c);
}

// The kept paint order and ranks follow every change of the tree as a walk of it sees it.
TEST(Document, PaintOrderFollowsEveryChangeOfTheTree) {
    Document doc;
    Art* a = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);
    Art* g = doc.NewArt(ArtKind::Group, kPlaceDefault, nullptr);
    Art* kept = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);  // never moved nor disposed
    Layer* second = nullptr;
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"made", [] {}},
        {"made inside", [&] { doc.NewArt(ArtKind::Path, kPlaceInsideOnTop, g); }},
        {"made below", [&] { doc.NewArt(ArtKind::Path, kPlaceBelow, a); }},
        {"moved up", [&] { doc.Move(a, kPlaceAbove, g); }},
        {"moved into", [&] { doc.Move(a, kPlaceInsideOnBottom, g); }},
        {"duplicated", [&] { doc.Duplicate(*g, kPlaceAboveAll, nullptr); }},
        {"layer below", [&] { second = doc.InsertLayer(0, "Dessous"); }},
        {"made on it", [&] { doc.SetCurrentLayer(second), doc.NewArt(ArtKind::Path, 0, nullptr); }},
        {"disposed", [&] { doc.Dispose(g); }},
        {"layer gone", [&] { doc.RemoveLayer(second); }},
        // Each new path goes between the last one and `kept`: the room between them runs out.
        {"many between",
         [&] {
             Art* below = kept;
             for (int i = 0; i < 100; ++i) below = doc.NewArt(ArtKind::Path, kPlaceBelow, below);
         }},
        {"large group made and copied",
         [&] {
             Art* large = doc.NewArt(ArtKind::Group, kPlaceBelow, kept);
             for (int i = 0; i < 1500; ++i) doc.NewArt(ArtKind::Path, kPlaceInsideOnTop, large);
             doc.Duplicate(*large, kPlaceAbove, kept);
             doc.Dispose(large);
         }},
        {"many on top",
         [&] {
             for (int i = 0; i < 100; ++i) doc.NewArt(ArtKind::Path, kPlaceAboveAll, nullptr);
         }},
        {"locked", [&] { doc.Touch(*kept), kept->attributes = kArtLocked; }},
        {"unlocked", [&] { doc.Touch(*kept), kept->attributes = 0; }},
    };
    const AIMatchingArtRule unlockedPaths{kPathArt, kArtLocked, 0};
    for (const auto& [name, step] : steps) {
        step();
        std::vector<Art*> walked;
        doc.ForEachArt([&](Art& art) { walked.push_back(&art); });
        EXPECT_EQ(doc.ArtInPaintOrder().ToVector(), walked) << name;
        for (std::size_t i = 1; i < walked.size(); ++i)
            EXPECT_LT(doc.PaintRank(*walked[i - 1]), doc.PaintRank(*walked[i])) << name;
        // The kept answer of a matching question and the table of identities follow too.
        std::vector<ObjectId> matched, kept;
        for (Art* art : walked) {
            EXPECT_EQ(doc.FindArt(art->id()), art) << name;
            if (Matches(*art, unlockedPaths)) matched.push_back(art->id());
        }
        for (const auto* piece : MatchingArtIds(doc, &unlockedPaths, 1))
            kept.insert(kept.end(), piece->begin(), piece->end());
        EXPECT_EQ(kept, matched) << name;
    }
}

// Identities are found wherever they lie: made in order, older than the first, and after
// the table was made smaller behind a long run of art made and disposed.
TEST(Document, ArtRegistryFindsEveryLiveIdentity) {
    ArtRegistry registry;
    std::vector<std::unique_ptr<Art>> arts;
    std::map<ObjectId, Art*> live;
    auto add = [&](ObjectId id) {
        arts.push_back(std::make_unique<Art>(id, ArtKind::Path));
        registry.Add(id, arts.back().get());
        live[id] = arts.back().get();
    };
    auto remove = [&](ObjectId id) { registry.Remove(id), live.erase(id); };
    for (ObjectId id = 1000; id < 1100; ++id) add(id);
    add(10);  // older than the table's start
    add(500);
    remove(1050);
    // A long run of art made and disposed leaves the old identities far below.
    Art passing(0, ArtKind::Path);
    for (ObjectId id = 2000; id < 2000 + 400000; ++id) {
        if (id % 1000 == 0) {
            add(id);
        } else {
            registry.Add(id, &passing);
            registry.Remove(id);
        }
    }
    EXPECT_EQ(registry.size(), live.size());
    for (const auto& [id, art] : live) EXPECT_EQ(registry.Find(id), art) << id;
    for (ObjectId id :
         {ObjectId{0}, ObjectId{11}, ObjectId{1050}, ObjectId{2001}, ObjectId{999999}})
        EXPECT_EQ(registry.Find(id), nullptr) << id;
}

// Art made past a slab's worth, some disposed and more made: every live art keeps its own
// room and its fields.
TEST(Document, ArtRoomIsNeverShared) {
    std::vector<std::unique_ptr<Art>> arts;
    for (ObjectId id = 1; id <= 10000; ++id) {
        arts.push_back(std::make_unique<Art>(id, ArtKind::Path));
        arts.back()->name = std::to_string(id);
    }
    for (std::size_t i = 0; i < arts.size(); i += 2) arts[i].reset();
    for (ObjectId id = 10001; id <= 15000; ++id)
        arts.push_back(std::make_unique<Art>(id, ArtKind::Group));
    std::set<const Art*> rooms;
    for (const auto& art : arts) {
        if (!art) continue;
        EXPECT_TRUE(rooms.insert(art.get()).second);
        if (art->id() <= 10000) {
            EXPECT_EQ(art->name.str(), std::to_string(art->id()));
        }
    }
    EXPECT_EQ(rooms.size(), 10000u);
}

}  // namespace
}  // namespace host
