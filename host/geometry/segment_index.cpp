#include "host/geometry/segment_index.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// The smallest cells, in points; each level makes them four times as large, so that few
// levels hold the segments of a drawing and a query looks up few cells.
constexpr float kBaseCell = 8.0f;
constexpr int kLevels = 14;
// Cell coordinates are kept within 29 bits each in the key.
constexpr double kMaxCell = double(1 << 28);

float CellSize(int level) {
    return std::ldexp(kBaseCell, 2 * level);
}

// 1 / CellSize(level), looked up: it is on every query's path.
double InverseCellSize(int level) {
    static const auto table = [] {
        std::vector<double> inverse;
        for (int l = 0; l < kLevels; ++l) inverse.push_back(1.0 / CellSize(l));
        return inverse;
    }();
    return table[static_cast<std::size_t>(level)];
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

// The level whose cells are at least as large as the box, so that it spans at most two
// cells on each axis; −1 when none is (or the box is not finite).
int LevelFor(const Box& b) {
    if (!Finite(b)) return -1;
    const float extent = std::max(b.right - b.left, b.top - b.bottom);
    for (int level = 0; level < kLevels; ++level)
        if (CellSize(level) >= extent) return level;
    return -1;
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

SegmentIndex::SegmentIndex(Document& document) : document_(document) {
    segmentGrid_.levelCounts.assign(kLevels, 0);
    pathGrid_.levelCounts.assign(kLevels, 0);
    std::size_t paths = 0, segments = 0;
    document_.ForEachArt([&](Art& art) {
        if (art.kind() != ArtKind::Path) return;
        ++paths;
        segments += art.segments.size();
    });
    entries_.reserve(paths + segments);
    pathRecords_.reserve(paths);
    // Every entry first, then every cell sized once for what it will hold and filled.
    document_.ForEachArt([&](Art& art) {
        if (art.kind() == ArtKind::Path) AddPath(art, false);
    });
    FillAllCells();
    document_.AddObserver(this);
}

// In the order of the entries, as AddEntry would have filled them one by one.
void SegmentIndex::FillAllCells() {
    std::vector<std::uint32_t> places;  // the cell of each item, in order
    std::vector<std::uint32_t> counts[2];
    auto each = [&](auto&& f) {
        for (std::uint32_t id = 0; id < entries_.size(); ++id) {
            const Entry& e = entries_[id];
            CellSpan span;
            if (!e.path || e.level < 0 || !Span(e, &span)) continue;
            const int g = e.segment < 0 ? 0 : 1;
            for (std::int64_t cx = span.x0; cx <= span.x1; ++cx)
                for (std::int64_t cy = span.y0; cy <= span.y1; ++cy) f(e, id, g, cx, cy);
        }
    };
    Grid* grids[2] = {&pathGrid_, &segmentGrid_};
    each([&](const Entry& e, std::uint32_t, int g, std::int64_t cx, std::int64_t cy) {
        const std::uint32_t place = grids[g]->cells.Place(CellKey(e.level, cx, cy));
        if (place >= counts[g].size()) counts[g].resize(place + 1, 0);
        ++counts[g][place];
        places.push_back(place);
    });
    for (int g = 0; g < 2; ++g)
        for (std::uint32_t place = 0; place < counts[g].size(); ++place)
            grids[g]->cells.At(place).reserve(counts[g][place]);
    std::size_t k = 0;
    each([&](const Entry& e, std::uint32_t id, int g, std::int64_t, std::int64_t) {
        grids[g]->cells.At(places[k++]).push_back({e.box, id});
    });
}

bool SegmentIndex::Span(const Entry& e, CellSpan* s) const {
    return CellOf(e.box.left, e.level, &s->x0) && CellOf(e.box.right, e.level, &s->x1) &&
           CellOf(e.box.bottom, e.level, &s->y0) && CellOf(e.box.top, e.level, &s->y1);
}

SegmentIndex::~SegmentIndex() {
    document_.RemoveObserver(this);
}

std::uint32_t SegmentIndex::AddEntry(const Art& path, int segment, const Box& box, bool fillCells) {
    std::uint32_t id;
    if (!freeEntries_.empty()) {
        id = freeEntries_.back();
        freeEntries_.pop_back();
    } else {
        id = static_cast<std::uint32_t>(entries_.size());
        entries_.emplace_back();
    }
    Entry& e = entries_[id];
    e = Entry{&path, segment, box, LevelFor(box)};
    CellSpan span;
    if (e.level >= 0 && !Span(e, &span)) e.level = -1;
    if (segment >= 0) ++segmentEntries_;
    if (e.level < 0) {
        oversized_.push_back(id);
        return id;
    }
    Grid& grid = segment < 0 ? pathGrid_ : segmentGrid_;
    ++grid.levelCounts[static_cast<std::size_t>(e.level)];
    if (!fillCells) return id;
    for (std::int64_t cx = span.x0; cx <= span.x1; ++cx)
        for (std::int64_t cy = span.y0; cy <= span.y1; ++cy)
            grid.cells[CellKey(e.level, cx, cy)].push_back({box, id});
    return id;
}

void SegmentIndex::RemoveEntry(std::uint32_t id) {
    Entry& e = entries_[id];
    if (e.level < 0) {
        auto it = std::find(oversized_.begin(), oversized_.end(), id);
        if (it != oversized_.end()) {
            *it = oversized_.back();
            oversized_.pop_back();
        }
    } else {
        Grid& grid = e.segment < 0 ? pathGrid_ : segmentGrid_;
        std::int64_t x0 = 0, x1 = 0, y0 = 0, y1 = 0;
        CellOf(e.box.left, e.level, &x0);
        CellOf(e.box.right, e.level, &x1);
        CellOf(e.box.bottom, e.level, &y0);
        CellOf(e.box.top, e.level, &y1);
        for (std::int64_t cx = x0; cx <= x1; ++cx)
            for (std::int64_t cy = y0; cy <= y1; ++cy) {
                const std::uint64_t key = CellKey(e.level, cx, cy);
                auto* items = grid.cells.Find(key);
                if (!items) continue;
                auto it = std::find_if(items->begin(), items->end(),
                                       [id](const CellItem& item) { return item.id == id; });
                if (it != items->end()) {
                    *it = items->back();
                    items->pop_back();
                }
                if (items->empty()) grid.cells.Erase(key);
            }
        --grid.levelCounts[static_cast<std::size_t>(e.level)];
    }
    if (e.segment >= 0) --segmentEntries_;
    e = Entry{};
    freeEntries_.push_back(id);
}

void SegmentIndex::AddPath(const Art& path, bool fillCells) {
    PathRecord& record = pathRecords_[&path];
    const auto& s = path.segments;
    const int n = static_cast<int>(s.size());
    const int count = n < 2 ? 0 : (path.closed ? n : n - 1);
    record.entries.reserve(static_cast<std::size_t>(count) + 1);
    Box whole = n > 0 ? PointBox(s[0].p) : Box{};
    for (const AIPathSegment& anchor : s) {
        Include(whole, anchor.in);
        Include(whole, anchor.p);
        Include(whole, anchor.out);
    }
    if (n > 0) record.entries.push_back(AddEntry(path, -1, whole, fillCells));
    record.loneAnchor = n == 1;
    loneAnchors_ += record.loneAnchor;
    for (int i = 0; i < count; ++i)
        record.entries.push_back(AddEntry(path, i, SegmentBox(s, i), fillCells));
    rankedVersion_ = ~std::uint64_t{0};
}

void SegmentIndex::RemovePath(const Art& path) {
    auto it = pathRecords_.find(&path);
    if (it == pathRecords_.end()) return;
    for (std::uint32_t id : it->second.entries) RemoveEntry(id);
    loneAnchors_ -= it->second.loneAnchor;
    pathRecords_.erase(it);
}

void SegmentIndex::OnGeometryChanged(const Art& art) {
    if (art.kind() != ArtKind::Path) return;
    RemovePath(art);
    AddPath(art);
}

void SegmentIndex::OnArtRemoved(const Art& art) {
    RemovePath(art);
}

template <class F>
void SegmentIndex::Visit(const Box& query, bool paths, F&& f) const {
    for (std::uint32_t id : oversized_) {
        const Entry& e = entries_[id];
        if ((e.segment < 0) == paths && Overlap(e.box, query)) f(e);
    }
    const Grid& grid = paths ? pathGrid_ : segmentGrid_;
    for (int level = 0; level < kLevels; ++level) {
        if (grid.levelCounts[static_cast<std::size_t>(level)] == 0) continue;
        std::int64_t x0 = 0, x1 = 0, y0 = 0, y1 = 0;
        if (!(CellOf(query.left, level, &x0) && CellOf(query.right, level, &x1) &&
              CellOf(query.bottom, level, &y0) && CellOf(query.top, level, &y1)))
            continue;
        for (std::int64_t cx = x0; cx <= x1; ++cx)
            for (std::int64_t cy = y0; cy <= y1; ++cy) {
                const auto* items = grid.cells.Find(CellKey(level, cx, cy));
                if (!items) continue;
                for (const CellItem& item : *items) {
                    if (!Overlap(item.box, query)) continue;
                    // An entry spans up to four cells: report it only from the cell holding
                    // the lower-left corner of its overlap with the query.
                    if ((x0 != x1 || y0 != y1)) {
                        std::int64_t ox = 0, oy = 0;
                        CellOf(std::max(item.box.left, query.left), level, &ox);
                        CellOf(std::max(item.box.bottom, query.bottom), level, &oy);
                        if (ox != cx || oy != cy) continue;
                    }
                    f(entries_[item.id]);
                }
            }
    }
}

void SegmentIndex::Query(AIRealPoint point, float radius,
                         const std::function<void(const Art&, int)>& f) const {
    const Box query{point.h - radius, point.v - radius, point.h + radius, point.v + radius};
    Visit(query, false, [&](const Entry& e) { f(*e.path, e.segment); });
}

void SegmentIndex::QueryPaths(AIRealPoint point, float radius,
                              const std::function<void(const Art&)>& f) const {
    const Box query{point.h - radius, point.v - radius, point.h + radius, point.v + radius};
    Visit(query, true, [&](const Entry& e) { f(*e.path); });
}

void SegmentIndex::RankIfStale() const {
    if (rankedVersion_ == document_.version()) return;
    std::uint32_t rank = 0;
    document_.ForEachArt([&](Art& art) {
        ++rank;
        if (art.kind() != ArtKind::Path) return;
        auto it = pathRecords_.find(&art);
        if (it != pathRecords_.end()) it->second.rank = rank;
    });
    rankedVersion_ = document_.version();
}

std::uint32_t SegmentIndex::PaintRank(const Art& path) const {
    RankIfStale();
    auto it = pathRecords_.find(&path);
    return it == pathRecords_.end() ? 0 : it->second.rank;
}

}  // namespace host
