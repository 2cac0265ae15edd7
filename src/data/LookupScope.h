#pragma once
// Look-ups by number in constant time for the length of one operation that reads the whole
// store: a save, the summary report, the forms list. Such an operation looks up the persons,
// categories and packages of every entry and purchase, tens of thousands of times; a scan of
// the array for each would make it quadratic in the size of the studio.
//
// While a scope lives, the store's Find* answer from indexes, each built at its first look-up
// (a report never looks up an entry, and need not read them all for it), with the same result
// as the scan: the first record of each number. The operation may change fields, but
// must neither add, remove nor renumber records. Should it do so all the same, a record found
// is used only while it still stands at its place with its number, and an array whose size
// changed is scanned again. Scopes nest: the inner one serves until it ends.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "data/RecordArrays.h"

class CDatabase;
class CDanceCategory;
class CEntryRecord;
class CPackageRecord;
class CPersonRecord;
class CPriceListRecord;
class CStudioRecord;

// The first record of each number in one array, with its position, and the array's size when
// the table was built. Kept in one flat vector, not a node per record: a store of twice the
// size is then looked up in twice the memory, where a hash map of nodes spread over the heap
// had made each look-up slower as the studio grew.
template <class T>
struct CNumberTable {
    struct CPlace {
        T* record = nullptr;
        std::size_t position = 0;
    };
    // Numbers as a studio gives them run from 1 up with few gaps: the place of number n is
    // dense[n - base]. Scattered numbers are kept sorted instead and searched.
    std::vector<CPlace> dense;
    int base = 0;
    std::vector<std::pair<int, CPlace>> sorted;
    std::size_t size = 0;
    bool built = false;

    template <class KeyOf>
    void Build(const COwningArray<T>& array, KeyOf keyOf) {
        built = true;
        size = array.size();
        if (array.empty()) {
            return;
        }
        int low = keyOf(*array.front());
        int high = low;
        for (const auto& record : array) {
            low = std::min(low, keyOf(*record));
            high = std::max(high, keyOf(*record));
        }
        const uint64_t span = static_cast<uint64_t>(int64_t{high} - low) + 1;
        if (span <= 2 * uint64_t{array.size()} + 64) {
            base = low;
            dense.resize(static_cast<std::size_t>(span));
            for (std::size_t i = 0; i < array.size(); ++i) {
                CPlace& place = dense[static_cast<std::size_t>(keyOf(*array[i]) - low)];
                if (place.record == nullptr) {  // the first of each number
                    place = CPlace{array[i].get(), i};
                }
            }
            return;
        }
        sorted.reserve(array.size());
        for (std::size_t i = 0; i < array.size(); ++i) {
            sorted.emplace_back(keyOf(*array[i]), CPlace{array[i].get(), i});
        }
        // Stable, so that the first of each number comes first among its equals.
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    const CPlace* Find(int key) const {
        if (!dense.empty() || sorted.empty()) {
            const int64_t at = int64_t{key} - base;
            if (at < 0 || at >= static_cast<int64_t>(dense.size())) {
                return nullptr;
            }
            const CPlace& place = dense[static_cast<std::size_t>(at)];
            return place.record != nullptr ? &place : nullptr;
        }
        const auto found = std::lower_bound(
            sorted.begin(), sorted.end(), key,
            [](const std::pair<int, CPlace>& entry, int wanted) { return entry.first < wanted; });
        return found != sorted.end() && found->first == key ? &found->second : nullptr;
    }
};

struct CNumberIndex {
    CNumberTable<CStudioRecord> studios;
    CNumberTable<CPersonRecord> persons;
    CNumberTable<CPackageRecord> packages;
    CNumberTable<CPriceListRecord> priceListItems;
    CNumberTable<CEntryRecord> entries;
    CNumberTable<CDanceCategory> categories;  // by code
};

class CLookupScope {
public:
    explicit CLookupScope(CDatabase& store);
    ~CLookupScope();
    CLookupScope(const CLookupScope&) = delete;
    CLookupScope& operator=(const CLookupScope&) = delete;

private:
    CDatabase& store_;
    CNumberIndex index_;
    CNumberIndex* outer_;
};
