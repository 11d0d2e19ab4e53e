// Values under 32-bit keys that the table gives out in order (handles, caller-pointer tokens).
//
// The table is direct-mapped: a key's slot is (key / Step) modulo the table's size, so a lookup
// is one index and one compare, and an insert allocates nothing once the table has grown to
// twice the live entries. Keys run from `first` in steps of Step, skipping any whose slot a
// live entry holds, and start again from `first` at `last`. Keys are never 0. Not locked: the
// owner serialises access.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "platform/core/win_types.h"

template <typename T, DWORD Step>
class SerialTable {
  public:
    SerialTable(DWORD first, DWORD last) : first_(first), last_(last), next_(first) {}

    DWORD Insert(T value) {
        if ((size_ + 1) * 2 > slots_.size()) Grow();
        for (;;) {
            DWORD key = next_;
            next_ += Step;
            if (next_ == 0 || next_ >= last_) next_ = first_;
            Slot& slot = slots_[IndexOf(key)];
            if (slot.key != 0) continue;
            slot.key = key;
            slot.value = std::move(value);
            ++size_;
            return key;
        }
    }

    // The value under a live key, else null.
    T* Find(DWORD key) { return const_cast<T*>(std::as_const(*this).Find(key)); }
    const T* Find(DWORD key) const {
        if (key == 0 || slots_.empty()) return nullptr;
        const Slot& slot = slots_[IndexOf(key)];
        return slot.key == key ? &slot.value : nullptr;
    }

    // Removes the key and moves its value to *removed; false for a key that is not live.
    bool Erase(DWORD key, T* removed) {
        T* value = Find(key);
        if (value == nullptr) return false;
        *removed = std::move(*value);
        *value = T{};
        slots_[IndexOf(key)].key = 0;
        --size_;
        return true;
    }

    std::size_t Size() const { return size_; }

    // Empties the table; the values in the order their keys were given out since the last
    // restart from `first`.
    std::vector<T> TakeAll() {
        std::vector<Slot> live;
        for (Slot& slot : slots_) {
            if (slot.key != 0) live.push_back(std::move(slot));
            slot = Slot{};
        }
        size_ = 0;
        std::sort(live.begin(), live.end(),
                  [](const Slot& a, const Slot& b) { return a.key < b.key; });
        std::vector<T> values;
        for (Slot& slot : live) values.push_back(std::move(slot.value));
        return values;
    }

  private:
    struct Slot {
        DWORD key = 0;  // 0: free
        T value{};
    };

    std::size_t IndexOf(DWORD key) const { return (key / Step) & (slots_.size() - 1); }

    // Doubles the slots. Two live keys never share a slot, so they cannot share one in a table
    // twice the size either.
    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_ = std::vector<Slot>(old.empty() ? 64 : old.size() * 2);
        for (Slot& slot : old) {
            if (slot.key != 0) slots_[IndexOf(slot.key)] = std::move(slot);
        }
    }

    std::vector<Slot> slots_;  // a power of two in size
    std::size_t size_ = 0;
    DWORD first_;
    DWORD last_;
    DWORD next_;
};
