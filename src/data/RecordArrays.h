#pragma once
// Small helpers over the store's owning arrays: look-up and numbering by record number.
#include <algorithm>
#include <memory>
#include <vector>

template <class T>
using COwningArray = std::vector<std::unique_ptr<T>>;

// The first record with that number, or nullptr.
template <class T>
T* FindByNumber(const COwningArray<T>& array, int number) {
    for (const auto& record : array) {
        if (record->number == number) {
            return record.get();
        }
    }
    return nullptr;
}

// A new record's number: one more than the highest in the array, or 1 for an empty array.
template <class T>
int NextNumber(const COwningArray<T>& array) {
    int highest = 0;
    for (const auto& record : array) {
        highest = std::max(highest, static_cast<int>(record->number));
    }
    return highest + 1;
}

// Appends a record, giving it its index (the array's size at that moment).
template <class T>
T& AppendRecord(COwningArray<T>& array, std::unique_ptr<T> record) {
    record->index = static_cast<int32_t>(array.size());
    array.push_back(std::move(record));
    return *array.back();
}
