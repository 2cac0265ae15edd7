#pragma once
// Numbers the distinct keys of a sequence 0, 1, 2... in order of first appearance, in one flat
// table of slots probed in turn. A hash map of one node per key had grown slower per key as the
// studio grew, its nodes spread ever wider over the heap; here twice the keys take twice the
// memory, in one piece.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <class Key, class Hash>
class CDenseNumbering {
public:
    // `expected` keys fit without the table growing.
    explicit CDenseNumbering(std::size_t expected = 0) { Resize(SlotsFor(expected)); }

    // The key's number, and whether it is new (then it is the count of keys before it).
    std::pair<std::size_t, bool> Number(const Key& key) {
        if (2 * (keys_.size() + 1) > slots_.size()) {
            Resize(slots_.size() * 2);
        }
        const std::size_t slot = SlotFor(key);
        if (slots_[slot] != kEmpty) {
            return {slots_[slot], false};
        }
        slots_[slot] = keys_.size();
        keys_.push_back(key);
        return {keys_.size() - 1, true};
    }

    // The key's number, or kNone when it has none.
    std::size_t Find(const Key& key) const { return slots_[SlotFor(key)]; }

    std::size_t size() const { return keys_.size(); }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

private:
    static constexpr std::size_t kEmpty = kNone;

    // The slot that holds the key's number, else the empty slot where it would go.
    std::size_t SlotFor(const Key& key) const {
        std::size_t slot = SlotOf(key);
        while (slots_[slot] != kEmpty && !(keys_[slots_[slot]] == key)) {
            slot = (slot + 1) & (slots_.size() - 1);
        }
        return slot;
    }

    static std::size_t SlotsFor(std::size_t keys) {
        std::size_t slots = 16;
        while (slots < 2 * keys) {
            slots *= 2;
        }
        return slots;
    }

    // The hash spread over all bits (Fibonacci hashing), as the table takes its low ones.
    std::size_t SlotOf(const Key& key) const {
        const uint64_t mixed = static_cast<uint64_t>(Hash{}(key)) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(mixed >> 32) & (slots_.size() - 1);
    }

    void Resize(std::size_t slots) {
        slots_.assign(slots, kEmpty);
        for (std::size_t number = 0; number < keys_.size(); ++number) {
            slots_[SlotFor(keys_[number])] = number;  // the keys differ: an empty slot
        }
        keys_.reserve(slots / 2);
    }

    std::vector<std::size_t> slots_;  // a key's number, or kEmpty
    std::vector<Key> keys_;           // by number
};
