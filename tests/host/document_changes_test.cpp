// What a document tells a front end changed, and where its selection is, without a walk
// over the drawing: nothing changed may go untold.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/document/document.h"

namespace host {
namespace {

bool Has(const std::vector<ObjectId>& ids, ObjectId id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

TEST(DocumentChanges, ObjectsTouchedAndLayersRestackedAreTold) {
    Document doc;
    EXPECT_TRUE(doc.TakeChangedObjects().everything);  // a new document is news whole
    Art* group = doc.NewArt(ArtKind::Group, kPlaceDefault, nullptr);
    Art* inner = doc.NewArt(ArtKind::Path, kPlaceInsideOnTop, group);
    Art* lone = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);
    const ObjectId layer = doc.currentLayer()->id();
    ChangedObjects made = doc.TakeChangedObjects();
    EXPECT_TRUE(Has(made.restackedLayers, layer));

    doc.SetSegments(inner, {{{1, 2}, {1, 2}, {1, 2}, 1}});
    ChangedObjects moved = doc.TakeChangedObjects();
    EXPECT_EQ(moved.objects, std::vector<ObjectId>{group->id()});  // its object, not itself
    EXPECT_TRUE(moved.restackedLayers.empty());

    doc.Dispose(lone);
    EXPECT_TRUE(Has(doc.TakeChangedObjects().restackedLayers, layer));
    for (int i = 0; i < 5000; ++i) doc.SetClosed(i % 2 ? inner : group->children()[0].get(), i % 2);
    EXPECT_FALSE(doc.TakeChangedObjects().everything);  // one object, told once in a row
    doc.InsertLayer(0, "below");
    EXPECT_TRUE(doc.TakeChangedObjects().everything);
}

TEST(DocumentChanges, TheSelectionIsFoundWhereverItWasMade) {
    Document doc;
    Art* a = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);
    a->attributes |= kArtSelected;  // as a file read selects it, before any question
    EXPECT_EQ(doc.SelectedArt(), std::vector<Art*>{a});
    Art* copy = doc.Duplicate(*a, kPlaceDefault, nullptr);
    Art* b = doc.NewArt(ArtKind::Path, kPlaceDefault, nullptr);
    doc.Touch(*b);
    b->attributes |= kArtSelected;
    doc.Touch(*a);
    a->attributes &= ~kArtSelected;
    EXPECT_EQ(doc.SelectedArt(), (std::vector<Art*>{copy, b}));
}

}  // namespace
}  // namespace host
