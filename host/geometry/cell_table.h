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
            if (keys_[slot - 1] == key) return &cells_[slot - 1];
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
        for (; slots_[i] != kEmpty; i = (i + 1) & Mask())
            if (keys_[slots_[i] - 1] == key) return slots_[i] - 1;
        std::uint32_t cell;
        if (!freeCells_.empty()) {
            cell = freeCells_.back();
            freeCells_.pop_back();
            keys_[cell] = key;
        } else {
            cell = static_cast<std::uint32_t>(cells_.size());
            cells_.emplace_back();
            keys_.push_back(key);
        }
        slots_[i] = cell + 1;
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
        for (;; i = (i + 1) & Mask()) {
            if (slots_[i] == kEmpty) return;
            if (keys_[slots_[i] - 1] == key) break;
        }
        const std::uint32_t cell = slots_[i] - 1;
        cells_[cell] = Cell{};
        freeCells_.push_back(cell);
        --count_;
        // Shift back the entries after the hole that would otherwise be cut off from home.
        for (std::size_t j = (i + 1) & Mask(); slots_[j] != kEmpty; j = (j + 1) & Mask()) {
            const std::size_t home = Home(keys_[slots_[j] - 1]);
            const bool between = i <= j ? (i < home && home <= j) : (i < home || home <= j);
            if (between) continue;
            slots_[i] = slots_[j];
            i = j;
        }
        slots_[i] = kEmpty;
    }

 private:
    // A slot holds its cell's place plus one, 0 when empty; the keys are kept by place, so
    // that the table itself is four bytes a slot.
    static constexpr std::uint32_t kEmpty = 0;

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
            std::size_t i = Home(keys_[slot - 1]);
            while (slots_[i] != kEmpty) i = (i + 1) & Mask();
            slots_[i] = slot;
        }
    }

    std::vector<std::uint32_t> slots_;
    std::vector<std::uint64_t> keys_;  // by place
    std::vector<Cell> cells_;
    std::vector<std::uint32_t> freeCells_;
    std::size_t count_ = 0;
};

}  // namespace host
