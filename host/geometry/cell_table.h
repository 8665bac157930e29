// The cells of the spatial index by key: an open-addressing hash table (linear probing,
// power-of-two size, keys mixed before use), so that a lookup costs one or two cache
// lines instead of a chain of nodes.
#pragma once

#include <cstdint>
#include <vector>

namespace host {

template <class Cell>
class CellTable {
 public:
    /// The cell of the key, or nullptr.
    const Cell* Find(std::uint64_t key) const {
        if (slots_.empty()) return nullptr;
        for (std::size_t i = Home(key);; i = (i + 1) & Mask()) {
            const std::uint32_t slot = slots_[i];
            if (slot == kEmpty) return nullptr;
            const Entry& entry = entries_[slot - 1];
            if (entry.key == key) return &entry.cell;
        }
    }
    Cell* Find(std::uint64_t key) {
        return const_cast<Cell*>(static_cast<const CellTable*>(this)->Find(key));
    }

    /// Starts loading where the key is looked for, for a lookup soon after.
    void Prefetch(std::uint64_t key) const {
        if (!slots_.empty()) __builtin_prefetch(&slots_[Home(key)]);
    }

    /// The cell of the key, created empty when missing.
    Cell& operator[](std::uint64_t key) { return entries_[Place(key)].cell; }

    /// Where the key's cell is kept (created empty when missing): a number that stays
    /// the cell's until it is erased, for `At`.
    std::uint32_t Place(std::uint64_t key) {
        if ((count_ + 1) * 2 > slots_.size()) Grow();
        std::size_t i = Home(key);
        for (; slots_[i] != kEmpty; i = (i + 1) & Mask())
            if (entries_[slots_[i] - 1].key == key) return slots_[i] - 1;
        std::uint32_t cell;
        if (!freeCells_.empty()) {
            cell = freeCells_.back();
            freeCells_.pop_back();
            entries_[cell].key = key;
        } else {
            cell = static_cast<std::uint32_t>(entries_.size());
            entries_.push_back({key, Cell{}});
        }
        slots_[i] = cell + 1;
        ++count_;
        return cell;
    }
    /// Room for `count` cells in all, so that adding them neither rehashes nor moves.
    void Reserve(std::size_t count) {
        std::size_t size = slots_.empty() ? 16 : slots_.size();
        while ((count + 1) * 2 > size) size *= 2;
        if (size > slots_.size()) Rehash(size);
        entries_.reserve(count);
    }
    /// The cells' storage made no larger than they need.
    void ShrinkToFit() { entries_.shrink_to_fit(); }

    Cell& At(std::uint32_t place) { return entries_[place].cell; }
    /// The key of the cell at that place.
    std::uint64_t KeyAt(std::uint32_t place) const { return entries_[place].key; }
    /// One more than the largest place given so far.
    std::size_t PlaceCount() const { return entries_.size(); }

    /// Removes the key's cell (emptied for reuse); nothing when missing.
    void Erase(std::uint64_t key) {
        if (slots_.empty()) return;
        std::size_t i = Home(key);
        for (;; i = (i + 1) & Mask()) {
            if (slots_[i] == kEmpty) return;
            if (entries_[slots_[i] - 1].key == key) break;
        }
        const std::uint32_t cell = slots_[i] - 1;
        entries_[cell].cell = Cell{};
        freeCells_.push_back(cell);
        --count_;
        // Shift back the entries after the hole that would otherwise be cut off from home.
        for (std::size_t j = (i + 1) & Mask(); slots_[j] != kEmpty; j = (j + 1) & Mask()) {
            const std::size_t home = Home(entries_[slots_[j] - 1].key);
            const bool between = i <= j ? (i < home && home <= j) : (i < home || home <= j);
            if (between) continue;
            slots_[i] = slots_[j];
            i = j;
        }
        slots_[i] = kEmpty;
    }

 private:
    // A slot holds its cell's place plus one, 0 when empty, so that the table itself is
    // four bytes a slot; a cell is kept beside its key, so that a lookup that finds it
    // loads one line more, not two.
    static constexpr std::uint32_t kEmpty = 0;
    struct Entry {
        std::uint64_t key;
        Cell cell;
    };

    std::size_t Mask() const { return slots_.size() - 1; }
    std::size_t Home(std::uint64_t key) const {
        key ^= key >> 33;
        key *= 0xff51afd7ed558ccdULL;
        key ^= key >> 33;
        return static_cast<std::size_t>(key) & Mask();
    }
    void Grow() { Rehash(slots_.empty() ? 16 : slots_.size() * 2); }
    void Rehash(std::size_t size) {
        std::vector<std::uint32_t> old(size, kEmpty);
        old.swap(slots_);
        for (const std::uint32_t slot : old) {
            if (slot == kEmpty) continue;
            std::size_t i = Home(entries_[slot - 1].key);
            while (slots_[i] != kEmpty) i = (i + 1) & Mask();
            slots_[i] = slot;
        }
    }

    std::vector<std::uint32_t> slots_;
    std::vector<Entry> entries_;  // by place
    std::vector<std::uint32_t> freeCells_;
    std::size_t count_ = 0;
};

}  // namespace host
