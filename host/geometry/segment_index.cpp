#include "host/geometry/segment_index.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace host {

namespace {

// The smallest cells, in points; each level makes them four times as large, so that few
// levels hold the segments of a drawing and a query looks up few cells.
constexpr float kBaseCell = 8.0f;
constexpr int kLevels = 14;
// Cell coordinates are kept within 29 bits each in the key.
constexpr double kMaxCell = double(1 << 28);

// The size of the cells of each level and its inverse, looked up: they are on the path
// of every entry and every query.
struct Level {
    float size;
    double inverse;
};
const Level* Levels() {
    static const auto table = [] {
        std::vector<Level> levels;
        for (int l = 0; l < kLevels; ++l) {
            const float size = std::ldexp(kBaseCell, 2 * l);
            levels.push_back({size, 1.0 / size});
        }
        return levels;
    }();
    return table.data();
}

double InverseCellSize(int level) {
    return Levels()[level].inverse;
}

std::uint64_t CellKey(int level, std::int64_t cx, std::int64_t cy) {
    const auto x = static_cast<std::uint64_t>(cx) & 0x1FFFFFFFu;
    const auto y = static_cast<std::uint64_t>(cy) & 0x1FFFFFFFu;
    return (static_cast<std::uint64_t>(level) << 58) | (x << 29) | y;
}

// The cell of a coordinate at a level; false when it is out of the grid's range.
bool CellOf(float coordinate, int level, std::int64_t* cell) {
    const double c = std::floor(static_cast<double>(coordinate) * InverseCellSize(level));
    if (!(std::fabs(c) < kMaxCell)) return false;
    *cell = static_cast<std::int64_t>(c);
    return true;
}

bool Finite(const Box& b) {
    return std::isfinite(b.left) && std::isfinite(b.right) && std::isfinite(b.bottom) &&
           std::isfinite(b.top);
}

// The first level whose cells are at least as large as the box, so that it reaches at
// most one cell beyond its lower-left one on each axis; −1 when none is (or the box is
// not finite, or beyond the grid).
int LevelFor(const Box& b, std::int64_t* cx, std::int64_t* cy) {
    if (!Finite(b)) return -1;
    const float extent = std::max(b.right - b.left, b.top - b.bottom);
    const Level* levels = Levels();
    for (int level = 0; level < kLevels; ++level) {
        if (levels[level].size < extent) continue;
        std::int64_t x1 = 0, y1 = 0;
        if (!(CellOf(b.left, level, cx) && CellOf(b.bottom, level, cy) &&
              CellOf(b.right, level, &x1) && CellOf(b.top, level, &y1)))
            return -1;
        // The extent rounded down to the cell's size may still reach a cell further.
        if (x1 - *cx <= 1 && y1 - *cy <= 1) return level;
    }
    return -1;
}

// Where a cell lies and the steps its boxes are kept in (see CellItem).
struct CellFrame {
    double left, bottom, step;
};
// The cell's coordinate in its key's 29 bits, with its sign.
std::int64_t KeyField(std::uint64_t bits) {
    return static_cast<std::int64_t>((bits & 0x1FFFFFFFu) << 35) >> 35;
}
int KeyLevel(std::uint64_t key) {
    return static_cast<int>(key >> 58);
}
CellFrame FrameOf(std::uint64_t key) {
    const double size = Levels()[KeyLevel(key)].size;
    return {static_cast<double>(KeyField(key >> 29)) * size,
            static_cast<double>(KeyField(key)) * size, 2 * size / 65535};
}
// A coordinate in the frame's steps, rounded down (Low) or up (High) and one step further,
// so that the rounding of the division never cuts the box.
std::uint16_t Low(double offset, double step) {
    const double q = std::floor(offset / step) - 1;
    return static_cast<std::uint16_t>(std::clamp(q, 0.0, 65535.0));
}
std::uint16_t High(double offset, double step) {
    const double q = std::ceil(offset / step) + 1;
    return static_cast<std::uint16_t>(std::clamp(q, 0.0, 65535.0));
}

bool Overlap(const Box& a, const Box& b) {
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

void Include(Box& box, AIRealPoint p) {
    box.left = std::min(box.left, p.h);
    box.right = std::max(box.right, p.h);
    box.bottom = std::min(box.bottom, p.v);
    box.top = std::max(box.top, p.v);
}

Box PointBox(AIRealPoint p) {
    return {p.h, p.v, p.h, p.v};
}

int SegmentsOf(const Art& path) {
    const int n = static_cast<int>(path.segments.size());
    return n < 2 ? 0 : (path.closed ? n : n - 1);
}

// The path's block: its head, its bounds and its segments; none for a path without anchors.
std::uint32_t EntriesOf(const Art& path) {
    return path.segments.empty() ? 0 : static_cast<std::uint32_t>(SegmentsOf(path)) + 2;
}

std::uint64_t RecordKey(const Art& path) {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&path));
}

// Free entries beyond this many more than those in use and the index is built anew.
constexpr std::size_t kFreeSlack = 4096;

}  // namespace

Box SegmentBox(const std::vector<AIPathSegment>& s, int i) {
    const std::size_t n = s.size();
    const AIPathSegment& a = s[static_cast<std::size_t>(i) % n];
    const AIPathSegment& b = s[(static_cast<std::size_t>(i) + 1) % n];
    Box box = PointBox(a.p);
    Include(box, a.out);
    Include(box, b.in);
    Include(box, b.p);
    return box;
}

Box PathBox(const std::vector<AIPathSegment>& s) {
    Box whole = PointBox(s[0].p);
    for (const AIPathSegment& anchor : s) {
        Include(whole, anchor.p);
        Include(whole, anchor.in);
        Include(whole, anchor.out);
    }
    return whole;
}

SegmentIndex::SegmentIndex(Document& document) : document_(document) {
    Build();
    document_.AddObserver(this);
}

// Every entry first, then every cell sized once for what it will hold and filled.
void SegmentIndex::Build() {
    segmentGrid_ = Grid{};
    pathGrid_ = Grid{};
    segmentGrid_.levelCounts.assign(kLevels, 0);
    pathGrid_.levelCounts.assign(kLevels, 0);
    entries_.clear();
    freeBlocks_.clear();
    freeEntries_ = segmentEntries_ = loneAnchors_ = 0;
    oversized_.clear();
    pathRecords_ = CellTable<PathRecord>();
    PlaceAllPaths();
    // The boxes are made last, the largest part: the cells' tables hold no spare room
    // by then, as a large drawing's peak memory comes here.
    segmentGrid_.cells.ShrinkToFit();
    pathGrid_.cells.ShrinkToFit();
    FillAllCells();
}

void SegmentIndex::PlaceAllPaths() {
    std::size_t entries = 0;
    std::vector<const Art*> paths;
    document_.ForEachArt([&](Art& art) {
        if (art.kind() != ArtKind::Path) return;
        entries += EntriesOf(art);
        paths.push_back(&art);
    });
    entries_.reserve(entries);
    pathRecords_.Reserve(paths.size());
    // The cells of the paths a few ahead are looked up while a path's entries are placed.
    constexpr std::size_t kPathsAhead = 4;
    std::vector<Located> ahead[kPathsAhead];
    for (std::size_t k = 0; k < paths.size() && k < kPathsAhead; ++k) Locate(*paths[k], ahead[k]);
    for (std::size_t k = 0; k < paths.size(); ++k) {
        std::vector<Located>& located = ahead[k % kPathsAhead];
        Place(*paths[k], located, false);
        if (k + kPathsAhead < paths.size()) Locate(*paths[k + kPathsAhead], located);
    }
}

SegmentIndex::CellItem SegmentIndex::Quantized(const Box& box, std::uint64_t key,
                                               std::uint32_t id) {
    const CellFrame f = FrameOf(key);
    return {Low(box.left - f.left, f.step), Low(box.bottom - f.bottom, f.step),
            High(box.right - f.left, f.step), High(box.top - f.bottom, f.step), id};
}

// The entry's box as its path has it now.
Box SegmentIndex::ExactBox(std::uint32_t id) const {
    const auto& s = PathOf(id).segments;
    const int segment = entries_[id].segment;
    return segment < 0 ? PathBox(s) : SegmentBox(s, segment);
}

const Art& SegmentIndex::PathOf(std::uint32_t id) const {
    const Art* path = nullptr;
    std::memcpy(&path, &entries_[id - static_cast<std::uint32_t>(entries_[id].segment + 2)],
                sizeof path);
    return *path;
}

void SegmentIndex::SetHead(std::uint32_t head, const Art* path) {
    std::memcpy(static_cast<void*>(&entries_[head]), &path, sizeof path);
}

// In the order of the entries, as AddEntry would have filled them one by one. Built in
// bulk, the blocks follow each other without a gap.
void SegmentIndex::FillAllCells() {
    Grid* grids[2] = {&pathGrid_, &segmentGrid_};
    std::vector<bool> heads(entries_.size(), false);
    for (std::size_t head = 0; head < entries_.size();
         head += EntriesOf(PathOf(static_cast<std::uint32_t>(head + 1))))
        heads[head] = true;
    for (std::size_t id = 0; id < entries_.size(); ++id) {
        const Entry& e = entries_[id];
        if (!heads[id] && e.cell != kNoCell)
            ++grids[e.segment < 0 ? 0 : 1]->cells.At(e.cell).capacity;
    }
    for (Grid* grid : grids) {
        std::uint32_t begin = 0;
        for (std::uint32_t cell = 0; cell < grid->cells.PlaceCount(); ++cell) {
            grid->cells.At(cell).begin = begin;
            begin += grid->cells.At(cell).capacity;
        }
        grid->items.resize(begin);
    }
    // The cells a few entries ahead are loaded meanwhile.
    constexpr std::size_t kAhead = 16;
    auto cellOf = [&](std::size_t id) -> Cell* {
        if (id >= entries_.size() || heads[id]) return nullptr;
        const Entry& e = entries_[id];
        if (e.cell == kNoCell) return nullptr;
        return &grids[e.segment < 0 ? 0 : 1]->cells.At(e.cell);
    };
    for (std::uint32_t id = 0; id < entries_.size(); ++id) {
        if (const Cell* soon = cellOf(id + kAhead)) __builtin_prefetch(soon);
        Cell* cell = cellOf(id);
        if (!cell) continue;
        Grid& grid = *grids[entries_[id].segment < 0 ? 0 : 1];
        grid.items[cell->begin + cell->size++] =
            Quantized(ExactBox(id), grid.cells.KeyAt(entries_[id].cell), id);
    }
}

void SegmentIndex::Push(Grid& grid, std::uint32_t place, const CellItem& item) {
    Cell& cell = grid.cells.At(place);
    if (cell.size == cell.capacity) {
        const auto begin = static_cast<std::uint32_t>(grid.items.size());
        const std::uint32_t capacity = std::max<std::uint32_t>(4, 2 * cell.capacity);
        grid.items.resize(grid.items.size() + capacity);
        std::copy_n(grid.items.begin() + cell.begin, cell.size, grid.items.begin() + begin);
        grid.unused += cell.capacity;
        cell.begin = begin;
        cell.capacity = capacity;
    }
    grid.items[cell.begin + cell.size++] = item;
    if (grid.unused > grid.items.size() / 2 + kFreeSlack) Pack(grid);
}

// Every cell's stretch made exactly its size again, in the order of their places.
void SegmentIndex::Pack(Grid& grid) {
    std::vector<CellItem> packed;
    packed.reserve(grid.items.size() - grid.unused);
    for (std::uint32_t place = 0; place < grid.cells.PlaceCount(); ++place) {
        Cell& cell = grid.cells.At(place);
        const auto begin = static_cast<std::uint32_t>(packed.size());
        packed.insert(packed.end(), grid.items.begin() + cell.begin,
                      grid.items.begin() + cell.begin + cell.size);
        cell = Cell{begin, cell.size, cell.size};
    }
    grid.items.swap(packed);
    grid.unused = 0;
}

SegmentIndex::~SegmentIndex() {
    document_.RemoveObserver(this);
}

// The first of `count` free entries side by side.
std::uint32_t SegmentIndex::Allocate(std::uint32_t count) {
    auto free = freeBlocks_.find(count);
    if (free != freeBlocks_.end() && !free->second.empty()) {
        const std::uint32_t first = free->second.back();
        free->second.pop_back();
        freeEntries_ -= count;
        return first;
    }
    const auto first = static_cast<std::uint32_t>(entries_.size());
    entries_.resize(entries_.size() + count);
    return first;
}

void SegmentIndex::AddEntry(std::uint32_t id, int segment, const Located& at, bool fillCells) {
    if (segment >= 0) ++segmentEntries_;
    if (at.level < 0) {
        entries_[id] = Entry{segment, kNoCell};
        oversized_.push_back({at.box, id});
        return;
    }
    Grid& grid = segment < 0 ? pathGrid_ : segmentGrid_;
    ++grid.levelCounts[static_cast<std::size_t>(at.level)];
    if (at.key != grid.lastKey) grid.lastKey = at.key, grid.lastCell = grid.cells.Place(at.key);
    const std::uint32_t cell = grid.lastCell;
    entries_[id] = Entry{segment, cell};
    if (fillCells) Push(grid, cell, Quantized(at.box, at.key, id));
}

void SegmentIndex::RemoveEntry(std::uint32_t id) {
    Entry& e = entries_[id];
    // The id's item out of the items, the last one put in its place.
    auto takeOut = [id](auto* items, std::uint32_t& size) {
        auto* it =
            std::find_if(items, items + size, [id](const auto& item) { return item.id == id; });
        *it = items[--size];
    };
    if (e.cell == kNoCell) {
        auto size = static_cast<std::uint32_t>(oversized_.size());
        takeOut(oversized_.data(), size);
        oversized_.resize(size);
    } else {
        Grid& grid = e.segment < 0 ? pathGrid_ : segmentGrid_;
        Cell& cell = grid.cells.At(e.cell);
        const std::uint64_t key = grid.cells.KeyAt(e.cell);
        takeOut(grid.items.data() + cell.begin, cell.size);
        if (cell.size == 0) {
            grid.unused += cell.capacity;
            grid.cells.Erase(key);
            grid.lastKey = ~std::uint64_t{0};
        }
        --grid.levelCounts[static_cast<std::size_t>(KeyLevel(key))];
    }
    if (e.segment >= 0) --segmentEntries_;
    e = Entry{};
}

void SegmentIndex::AddPath(const Art& path) {
    Locate(path, locating_);
    Place(path, locating_, true);
}

// Where every entry of the path goes, its cell's slot loaded meanwhile.
void SegmentIndex::Locate(const Art& path, std::vector<Located>& located) {
    const auto& s = path.segments;
    located.clear();
    auto locate = [&](const Box& box, Grid& grid) {
        Located at{box, -1, 0};
        std::int64_t cx = 0, cy = 0;
        at.level = LevelFor(box, &cx, &cy);
        if (at.level >= 0) {
            at.key = CellKey(at.level, cx, cy);
            grid.cells.Prefetch(at.key);
        }
        located.push_back(at);
    };
    if (s.empty()) return;
    locate(PathBox(s), pathGrid_);
    for (int i = 0; i < SegmentsOf(path); ++i) locate(SegmentBox(s, i), segmentGrid_);
    pathRecords_.Prefetch(RecordKey(path));
}

void SegmentIndex::Place(const Art& path, const std::vector<Located>& located, bool fillCells) {
    const auto count = static_cast<std::uint32_t>(located.size());
    const std::uint32_t head = count == 0 ? 0 : Allocate(count + 1);
    if (count > 0) SetHead(head, &path);
    for (std::uint32_t i = 0; i < count; ++i)
        AddEntry(head + 1 + i, static_cast<int>(i) - 1, located[i], fillCells);
    const bool lone = path.segments.size() == 1;
    // The path's own box comes first (see Locate).
    const Box bounds = count == 0 ? Box{} : located[0].box;
    pathRecords_[RecordKey(path)] = PathRecord{head, count == 0 ? 0 : count + 1, lone, bounds};
    loneAnchors_ += lone;
}

void SegmentIndex::RemovePath(const Art& path) {
    const PathRecord* found = pathRecords_.Find(RecordKey(path));
    if (!found) return;
    const PathRecord record = *found;
    for (std::uint32_t id = record.head + 1; id < record.head + record.count; ++id) RemoveEntry(id);
    if (record.count > 0) {
        SetHead(record.head, nullptr);
        freeBlocks_[record.count].push_back(record.head);
        freeEntries_ += record.count;
    }
    loneAnchors_ -= record.loneAnchor;
    pathRecords_.Erase(RecordKey(path));
}

void SegmentIndex::OnGeometryChanged(const Art& art) {
    if (art.kind() != ArtKind::Path) return;
    RemovePath(art);
    // Blocks freed by paths that changed their number of segments are rarely taken again.
    if (freeEntries_ > entries_.size() / 2 + kFreeSlack)
        Build();
    else
        AddPath(art);
}

void SegmentIndex::OnArtRemoved(const Art& art) {
    RemovePath(art);
}

template <class F>
void SegmentIndex::Visit(const Box& query, bool paths, F&& f) const {
    for (const OversizedItem& item : oversized_)
        if ((entries_[item.id].segment < 0) == paths && Overlap(item.box, query)) f(item.id);
    const Grid& grid = paths ? pathGrid_ : segmentGrid_;
    for (int level = 0; level < kLevels; ++level) {
        if (grid.levelCounts[static_cast<std::size_t>(level)] == 0) continue;
        std::int64_t x0 = 0, x1 = 0, y0 = 0, y1 = 0;
        if (!(CellOf(query.left, level, &x0) && CellOf(query.right, level, &x1) &&
              CellOf(query.bottom, level, &y0) && CellOf(query.top, level, &y1)))
            continue;
        // Boxes kept one cell left of or below the query's may reach into it.
        for (std::int64_t cx = x0 - 1; cx <= x1; ++cx)
            for (std::int64_t cy = y0 - 1; cy <= y1; ++cy) {
                const std::uint64_t key = CellKey(level, cx, cy);
                const Cell* cell = grid.cells.Find(key);
                if (!cell) continue;
                // The query in the cell's steps: a box within three steps of its edges may
                // overlap it or not, as the box itself says.
                const CellFrame frame = FrameOf(key);
                const double left = (double{query.left} - frame.left) / frame.step,
                             right = (double{query.right} - frame.left) / frame.step,
                             bottom = (double{query.bottom} - frame.bottom) / frame.step,
                             top = (double{query.top} - frame.bottom) / frame.step;
                constexpr double kUnsure = 3;
                const CellItem* items = grid.items.data() + cell->begin;
                for (std::uint32_t i = 0; i < cell->size; ++i) {
                    const CellItem& item = items[i];
                    if (!(item.left <= right && left <= item.right && item.bottom <= top &&
                          bottom <= item.top))
                        continue;
                    const bool sure = item.left + kUnsure <= right &&
                                      left <= item.right - kUnsure &&
                                      item.bottom + kUnsure <= top && bottom <= item.top - kUnsure;
                    if (sure || Overlap(ExactBox(item.id), query)) f(item.id);
                }
            }
    }
}

void SegmentIndex::Query(AIRealPoint point, float radius,
                         const std::function<void(const Art&, int)>& f) const {
    const Box query{point.h - radius, point.v - radius, point.h + radius, point.v + radius};
    Visit(query, false, [&](std::uint32_t id) { f(PathOf(id), entries_[id].segment); });
}

void SegmentIndex::QueryPaths(AIRealPoint point, float radius,
                              const std::function<void(const Art&)>& f) const {
    const Box query{point.h - radius, point.v - radius, point.h + radius, point.v + radius};
    Visit(query, true, [&](std::uint32_t id) { f(PathOf(id)); });
}

bool SegmentIndex::KeptBounds(const Art& path, std::optional<Box>* bounds) const {
    const PathRecord* record = pathRecords_.Find(RecordKey(path));
    if (!record) return false;
    *bounds = record->count == 0 ? std::nullopt : std::optional<Box>(record->bounds);
    return true;
}

PaintRankValue SegmentIndex::PaintRank(const Art& path) const {
    return pathRecords_.Find(RecordKey(path)) ? document_.PaintRank(path) : 0;
}

}  // namespace host
