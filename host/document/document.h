// The stand-in host's document: layers holding trees of art, with identities that
// make stale handles detectable.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/document/art.h"
#include "host/document/art_record.h"
#include "host/document/art_registry.h"
#include "host/document/limits.h"
#include "host/document/matching_memo.h"
#include "host/document/paint_order_list.h"

namespace host {

/// Told about every change of geometry, so that caches (the spatial index) stay right.
class DocumentObserver {
 public:
    virtual ~DocumentObserver() = default;
    /// The art was added, or its segments, closed flag or matrix changed.
    virtual void OnGeometryChanged(const Art& art) = 0;
    /// The art is about to be destroyed (children are reported one by one first).
    virtual void OnArtRemoved(const Art& art) = 0;
};

/// Told before art changes, so that the change can be taken back (the undo history).
class ChangeRecorder {
 public:
    virtual ~ChangeRecorder() = default;
    /// The art's own fields or its place are about to change, or it is about to go.
    virtual void WillChange(const Art& art) = 0;
    /// The art was just made; it did not exist before (its children are told one by one).
    virtual void Created(const Art& art) = 0;
    /// A child was put in (taken out of) `parent` at `index`: the places of the children
    /// above it moved by one.
    virtual void ChildInserted(ObjectId parent, std::size_t index) = 0;
    virtual void ChildRemoved(ObjectId parent, std::size_t index) = 0;
    /// A layer was just made (its art is told one by one).
    virtual void LayerMade(const Layer& layer) = 0;
};

/// A layer taken out of its document whole, with where it stood, to be put back.
struct TakenLayer {
    std::unique_ptr<Layer> layer;  // nullptr when nothing was taken
    std::size_t position = 0;      // from the bottom
    bool wasCurrent = false;
};

/// What changed since a front end last asked, so that it sends only that: the objects
/// (art a layer holds directly) touched, and the layers whose list of objects changed.
struct ChangedObjects {
    std::vector<ObjectId> objects;          // may repeat
    std::vector<ObjectId> restackedLayers;  // may repeat
    /// More changed than are listed, or the layers themselves changed: take it all.
    bool everything = false;
};

/// Result of placing art: where it goes in which parent.
struct Placement {
    Art* parent = nullptr;
    std::size_t index = 0;  // position among the parent's children, 0 = bottom
};

/// The user space of the file a document was read from, mapped to document points:
/// points = (a x + c y + e, b x + d y + f). The identity for a document made anew.
struct FileSpace {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    bool fromFile = false;  // the document was read from a file

    AIRealPoint ToPoints(double x, double y) const {
        return {static_cast<AIReal>(a * x + c * y + e), static_cast<AIReal>(b * x + d * y + f)};
    }
    /// The file's coordinates of a point; the point itself when the map cannot be undone.
    void FromPoints(AIRealPoint p, double* x, double* y) const {
        const double det = a * d - b * c;
        if (det == 0) {
            *x = p.h, *y = p.v;
            return;
        }
        const double px = p.h - e, py = p.v - f;
        *x = (d * px - c * py) / det;
        *y = (a * py - b * px) / det;
    }
};

class Document {
 public:
    /// An empty document with one unlocked layer "Calque 1"; size in points.
    explicit Document(float width = 595.28f, float height = 841.89f);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    float width() const { return width_; }
    float height() const { return height_; }
    const FileSpace& fileSpace() const { return fileSpace_; }
    void SetFileSpace(const FileSpace& space) { fileSpace_ = space; }
    /// What the file said outside the art that the document does not model: the root
    /// element's attributes and the elements that stood beside the layers.
    const KeptMarkup& kept() const { return kept_; }
    KeptMarkup& keep() { return kept_; }
    /// The comments that stood before the root element, as written.
    const std::string& prologue() const { return prologue_; }
    void SetPrologue(std::string comments) { prologue_ = std::move(comments); }
    /// The plug-in's settings the drawing was saved with (`{PREFIX: {KEY: VALUE}}` JSON),
    /// so that its dimensions can be rebuilt as they were made; empty when none.
    const std::string& pluginSettings() const { return pluginSettings_; }
    void SetPluginSettings(std::string settings) { pluginSettings_ = std::move(settings); }
    /// Where the `transform` of an art's own element in the file moved it, in document
    /// points (its geometry already stands there): so that a tool can tell art another
    /// editor moved from art drawn there. The identity for art whose element had none.
    PlaneMap FileMove(ObjectId art) const {
        const auto found = fileMoves_.find(art);
        return found == fileMoves_.end() ? PlaneMap() : found->second;
    }
    void NoteFileMove(ObjectId art, const PlaneMap& move) { fileMoves_[art] = move; }
    /// Whether the file's style sheets are among what is kept: their rules would reach
    /// the art as it is saved.
    bool keepsStyleSheets() const { return keepsStyleSheets_; }
    void SetKeepsStyleSheets(bool keeps) { keepsStyleSheets_ = keeps; }

    // Layers, from bottom (index 0) to top.
    const std::vector<std::unique_ptr<Layer>>& layers() const { return layers_; }
    /// Inserts a new layer at `position` from the bottom (clamped); it does not become current.
    Layer* InsertLayer(std::size_t position, const std::string& title);
    Layer* AddLayerOnTop(const std::string& title) { return InsertLayer(layers_.size(), title); }
    /// Removes a layer and its art; the document always keeps at least one layer.
    bool RemoveLayer(Layer* layer);
    /// Takes out the layer `id` when it holds no art and is not the only one (an undo
    /// taking back the layer its step made); nothing is taken otherwise.
    TakenLayer TakeEmptyLayer(ObjectId id);
    /// Puts a taken layer back where it stood (a redo).
    void PutBackLayer(TakenLayer taken);
    std::size_t LayerPosition(const Layer* layer) const;  // from the bottom
    Layer* currentLayer() const { return current_; }
    void SetCurrentLayer(Layer* layer) { current_ = layer; }
    Layer* FindLayerByTitle(const std::string& title) const;

    /// Live objects by identity; nullptr when disposed or unknown.
    Art* FindArt(ObjectId id) const;
    Layer* FindLayer(ObjectId id) const;
    /// The layer that holds the art.
    Layer* LayerOf(const Art* art) const;

    /// Where art would go for a placement relative to `prep` (see the SDK's kPlace...);
    /// nullopt when the placement is impossible (prep holding no art for "inside", a
    /// layer group for "above"/"below").
    std::optional<Placement> Resolve(int paintOrder, const Art* prep) const;
    /// New empty art at the placement; nullptr when the placement is impossible.
    /// A group deeper than kDeepestGroups is refused (nullptr); so is anything but a path
    /// inside a compound path.
    Art* NewArt(ArtKind kind, int paintOrder, Art* prep);
    /// Room for `count` more pieces of art without the table of identities growing.
    void ReserveArt(std::size_t count) { arts_.Reserve(count); }
    /// How many groups deep art placed inside `group` would be: 1 inside a layer.
    static int DepthInside(const Art* group);
    /// A deep copy (names, tags, styles) at the placement.
    Art* Duplicate(const Art& source, int paintOrder, Art* prep);
    /// Moves art (with its children); false when impossible (into itself, a layer group).
    bool Move(Art* art, int paintOrder, Art* prep);
    /// Destroys the art and its children. Layer groups cannot be disposed.
    bool Dispose(Art* art);

    // Geometry changes go through here so observers hear of them.
    /// False, the path unchanged, when a coordinate lies beyond kLargestCoordinate.
    bool SetSegments(Art* path, std::vector<AIPathSegment> segments);
    void SetClosed(Art* path, bool closed);
    /// False, the text unchanged, when the matrix lies beyond kLargestCoordinate.
    bool SetMatrix(Art* text, const AIRealMatrix& matrix);
    /// Paints the art; a compound path and its members are painted alike, whichever of
    /// them is given.
    void SetStyle(Art* art, const PaintStyle& style);
    /// Tells observers that the art's geometry changed by other means.
    void GeometryChanged(Art* art);

    /// Calls f for every art (layer groups excluded) in paint order: bottom layer first,
    /// back to front, a group before its children.
    void ForEachArt(const std::function<void(Art&)>& f) const;
    /// The same art in the same order, kept as art is made, moved or removed.
    const PaintOrderList& ArtInPaintOrder() const { return paintOrder_; }
    /// Grows with the paint order, for art in the document (not consecutive numbers).
    PaintRankValue PaintRank(const Art& art) const;
    /// What questions for matching art found, kept with the paint order's blocks.
    MatchingMemo& matchingMemo() const { return matchingMemo_; }

    /// The recorder told of every change from now on, or nullptr for none.
    void SetRecorder(ChangeRecorder* recorder) { recorder_ = recorder; }
    /// Call before writing an art's fields directly (name, tags, attributes, text, kept
    /// markup): the recorder keeps how it was. Layer groups are not recorded.
    void Touch(const Art& art);
    /// Where the art stands among its parent's children.
    ArtPlace PlaceOf(const Art& art) const;
    /// Makes each art named stand as its record says: made, changed, moved or removed,
    /// with the identity it had (document_restore.cpp). Records whose parent is gone are
    /// dropped with their art. Nothing is recorded while restoring.
    void Restore(const std::vector<std::pair<ObjectId, const ArtRecord*>>& records);

    void AddObserver(DocumentObserver* observer);
    void RemoveObserver(DocumentObserver* observer);

    /// The changes since the last call (bounded: past a few thousand, `everything`).
    ChangedObjects TakeChangedObjects();
    /// Every selected art (kArtSelected), in the order it was made. The first call walks
    /// the document; later ones look only at art made or touched since.
    std::vector<Art*> SelectedArt() const;

    /// Counts every change (for caches that compare versions).
    std::uint64_t version() const { return version_; }

 private:
    std::unique_ptr<Art> MakeArt(ArtKind kind);
    /// Puts the layer in at `position` (clamped), its group findable again.
    Layer* PlaceLayer(std::unique_ptr<Layer> layer, std::size_t position);
    /// Takes the layer at `position` out whole; another becomes current if it was.
    TakenLayer TakeOutLayer(std::size_t position);
    /// The list of layers changed: a front end takes everything again.
    void LayersChanged();
    /// Whether art of that kind may be placed inside `parent`.
    static bool MayHold(const Art& parent, ArtKind kind);
    Art* Insert(std::unique_ptr<Art> art, const Placement& where);
    std::unique_ptr<Art> Detach(Art* art);
    void Register(Art& art);
    void Unregister(Art& art);
    void NotifyAdded(const Art& art);
    void Changed();
    void TouchTree(const Art& art);
    void CreatedTree(const Art& art);
    void NoteChanged(const Art& art);
    void NoteSelectable(const Art& art);
    void NoteRestacked(const Art& parent);
    /// Ranks art just put at `index` among its parent's children, and its children, and
    /// puts them in the paint order.
    void PlaceInPaintOrder(Art& art, std::size_t index);
    /// Takes art about to leave its parent, and its children, out of the paint order.
    void TakeOutOfPaintOrder(const Art& art);
    void RankTree(const Art& art, PaintRankValue step, PaintRankValue& next) const;
    void RankEverything();
    /// The rank of the art painted next after `art` (at `index`) and its children.
    PaintRankValue RankAfterTree(const Art& art, std::size_t index) const;

    float width_, height_;
    FileSpace fileSpace_;
    KeptMarkup kept_;
    std::string prologue_;
    std::string pluginSettings_;
    std::unordered_map<ObjectId, PlaneMap> fileMoves_;
    bool keepsStyleSheets_ = false;
    std::vector<std::unique_ptr<Layer>> layers_;
    Layer* current_ = nullptr;
    ArtRegistry arts_;
    std::vector<DocumentObserver*> observers_;
    ChangeRecorder* recorder_ = nullptr;
    ChangedObjects changed_;
    /// Art that may be selected: a superset of the selection once `selectionKnown_`.
    mutable std::vector<ObjectId> selectable_;
    mutable bool selectionKnown_ = false;
    std::uint64_t version_ = 0;
    PaintOrderList paintOrder_;
    mutable MatchingMemo matchingMemo_;
};

/// A fresh identity, unique for the life of the process.
ObjectId NextObjectId();
/// The last identity given out: whatever is made after it has a greater one.
ObjectId LastObjectId();

}  // namespace host
