// A spatial index of the document's path segments and path bounds, so that hit tests and
// snapping look only at what lies near the pointer. It is a hierarchical grid: each
// segment's bounds (control points included) go into the level whose cells are at least
// as large as they are, in the one cell of its lower-left corner. It listens to the
// document and stays right as art is created, changed and disposed. It also ranks paths
// in paint order (recomputed after the document changes) so that the topmost hit wins.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "host/document/document.h"
#include "host/geometry/cell_table.h"

namespace host {

/// Bounds in document points, y upwards: left ≤ right, bottom ≤ top.
struct Box {
    float left = 0, bottom = 0, right = 0, top = 0;
};

class SegmentIndex : public DocumentObserver {
 public:
    /// Indexes every path of the document and keeps listening to it.
    explicit SegmentIndex(Document& document);
    ~SegmentIndex() override;
    SegmentIndex(const SegmentIndex&) = delete;
    SegmentIndex& operator=(const SegmentIndex&) = delete;

    /// Calls f(path, segmentIndex) for every segment whose bounds (control points
    /// included) come within `radius` of `point` on both axes, once each, in no order.
    /// segmentIndex is the index of the segment's start anchor; n − 1 is the closing
    /// segment of a closed path.
    void Query(AIRealPoint point, float radius,
               const std::function<void(const Art& path, int segmentIndex)>& f) const;

    /// Calls f(path) for every path whose bounds come within `radius` of `point`.
    void QueryPaths(AIRealPoint point, float radius,
                    const std::function<void(const Art& path)>& f) const;

    /// The path's position in paint order: greater is painted later (on top). Paths not
    /// in the document rank 0.
    PaintRankValue PaintRank(const Art& path) const;

    /// The path's bounds as kept since it last changed (`PathBox`), without reading the
    /// path: false when the path is not indexed; `bounds` empty for a path without anchors.
    bool KeptBounds(const Art& path, std::optional<Box>* bounds) const;

    /// Number of indexed segments (for tests and statistics).
    std::size_t SegmentCount() const { return segmentEntries_; }

    /// Number of indexed paths of a single anchor (which have no segment to be found by).
    std::size_t LoneAnchorCount() const { return loneAnchors_; }

    void OnGeometryChanged(const Art& art) override;
    void OnArtRemoved(const Art& art) override;

 private:
    // Each entry sits in one cell: the cell of its lower-left corner on its level, whose
    // cells are at least as large as the entry, so that it reaches at most one cell further
    // right and up; a query looks one cell further left and down.
    struct Entry {
        std::int32_t segment = -1;     // −1: the bounds of the whole path
        std::uint32_t cell = kNoCell;  // where its box is kept; kNoCell: kept apart
    };
    static constexpr std::uint32_t kNoCell = ~std::uint32_t{0};
    // A path's entries lie together in a block: a head holding the path's address (in the
    // place of an entry, so that the others need not repeat it), its bounds, then its
    // segments in order.
    // The flag shares the count's word, so that a record with the path's bounds keeps to
    // four words beside its key.
    struct PathRecord {
        std::uint32_t head;
        std::uint32_t count : 31;  // the block's entries, head included
        std::uint32_t loneAnchor : 1;
        Box bounds;  // the path's, when it has anchors (count > 0)
    };
    static_assert(sizeof(const Art*) <= sizeof(Entry), "a block's head holds an address");
    const Art& PathOf(std::uint32_t id) const;
    void SetHead(std::uint32_t head, const Art* path);

    // One box in a cell, kept inline so that a query scans cells without chasing entries:
    // in steps of 1/65,535 of two cells' widths from the cell's lower-left corner (a box
    // reaches no further), rounded outwards. Where a query's edge falls within a few steps
    // of such a box's, the box itself is measured again from its path.
    struct CellItem {
        std::uint16_t left, bottom, right, top;
        std::uint32_t id;
    };
    // A box too large for any level, or beyond the grid, kept as it is.
    struct OversizedItem {
        Box box;
        std::uint32_t id;
    };
    // A cell's boxes: a stretch of its grid's items, with room for `capacity`.
    struct Cell {
        std::uint32_t begin = 0, size = 0, capacity = 0;
    };
    // A grid of cells by level; segments and whole paths are kept in separate grids so
    // that neither query wades through the other's boxes. The boxes of all cells lie in
    // one array: built in bulk, each cell's stretch is exactly its size; a cell that
    // outgrows its stretch moves to the end with twice the room, and the array is packed
    // again once the stretches left behind make half of it.
    struct Grid {
        CellTable<Cell> cells;
        std::vector<CellItem> items;
        std::size_t unused = 0;  // items in stretches left behind
        std::vector<std::uint32_t> levelCounts;
        // The cell last placed into: a path's next segment often goes there too.
        std::uint64_t lastKey = ~std::uint64_t{0};
        std::uint32_t lastCell = 0;
    };
    void Build();
    void PlaceAllPaths();  // every path's entries, without the boxes of the cells

    void RemovePath(const Art& path);
    std::uint32_t Allocate(std::uint32_t count);
    // An entry's box with its level (−1: too large or not finite) and cell key.
    struct Located {
        Box box;
        int level;
        std::uint64_t key;
    };
    void AddPath(const Art& path);
    void Locate(const Art& path, std::vector<Located>& located);
    void Place(const Art& path, const std::vector<Located>& located, bool fillCells);
    void AddEntry(std::uint32_t id, int segment, const Located& at, bool fillCells);
    void FillAllCells();
    Box ExactBox(std::uint32_t id) const;
    static CellItem Quantized(const Box& box, std::uint64_t key, std::uint32_t id);
    static void Push(Grid& grid, std::uint32_t cell, const CellItem& item);
    static void Pack(Grid& grid);
    void RemoveEntry(std::uint32_t id);
    template <class F>
    void Visit(const Box& query, bool paths, F&& f) const;

    Document& document_;
    std::vector<Entry> entries_;  // the blocks of the paths
    // Blocks of free entries by their size, and how many entries they hold.
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> freeBlocks_;
    std::size_t freeEntries_ = 0;
    std::size_t segmentEntries_ = 0;
    std::size_t loneAnchors_ = 0;
    Grid segmentGrid_, pathGrid_;
    std::vector<OversizedItem> oversized_;
    std::vector<Located> locating_;      // the entries of the path being added
    CellTable<PathRecord> pathRecords_;  // by the path's address
};

/// The bounds of a path's segment i (start anchor i), control points included.
Box SegmentBox(const std::vector<AIPathSegment>& segments, int i);

/// The bounds of a path of at least one anchor: every anchor with its handles, taken in
/// the order the Art suite reports bounds in (so that even the sign of a zero agrees).
Box PathBox(const std::vector<AIPathSegment>& segments);

}  // namespace host
