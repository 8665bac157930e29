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
            if (slots_[i].key == key) return &cells_[slots_[i].cell];
            if (slots_[i].key == kEmpty) return nullptr;
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
    Cell& operator[](std::uint64_t key) { return cells_[Place(key)]; }

    /// Where the key's cell is kept (created empty when missing): a number that stays
    /// the cell's until it is erased, for `At`.
    std::uint32_t Place(std::uint64_t key) {
        if ((count_ + 1) * 2 > slots_.size()) Grow();
        std::size_t i = Home(key);
        for (; slots_[i].key != kEmpty; i = (i + 1) & Mask())
            if (slots_[i].key == key) return slots_[i].cell;
        std::uint32_t cell;
        if (!freeCells_.empty()) {
            cell = freeCells_.back();
            freeCells_.pop_back();
        } else {
            cell = static_cast<std::uint32_t>(cells_.size());
            cells_.emplace_back();
        }
        slots_[i] = {key, cell};
        ++count_;
        return cell;
    }
    Cell& At(std::uint32_t place) { return cells_[place]; }
    /// One more than the largest place given so far.
    std::size_t PlaceCount() const { return cells_.size(); }

    /// Removes the key's cell (emptied for reuse); nothing when missing.
    void Erase(std::uint64_t key) {
        if (slots_.empty()) return;
        std::size_t i = Home(key);
        for (; slots_[i].key != key; i = (i + 1) & Mask())
            if (slots_[i].key == kEmpty) return;
        cells_[slots_[i].cell] = Cell{};
        freeCells_.push_back(slots_[i].cell);
        --count_;
        // Shift back the entries after the hole that would otherwise be cut off from home.
        for (std::size_t j = (i + 1) & Mask(); slots_[j].key != kEmpty; j = (j + 1) & Mask()) {
            const std::size_t home = Home(slots_[j].key);
            const bool between = i <= j ? (i < home && home <= j) : (i < home || home <= j);
            if (between) continue;
            slots_[i] = slots_[j];
            i = j;
        }
        slots_[i] = {kEmpty, 0};
    }

 private:
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};
    struct Slot {
        std::uint64_t key = kEmpty;
        std::uint32_t cell = 0;
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
        std::vector<Slot> old(size);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.key == kEmpty) continue;
            std::size_t i = Home(slot.key);
            while (slots_[i].key != kEmpty) i = (i + 1) & Mask();
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::vector<Cell> cells_;
    std::vector<std::uint32_t> freeCells_;
    std::size_t count_ = 0;
};

}  // namespace host
