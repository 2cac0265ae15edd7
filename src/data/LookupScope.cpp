#include "data/LookupScope.h"

#include "data/Database.h"

namespace {

template <class T, class KeyOf>
void Fill(CNumberTable<T>& table, const COwningArray<T>& array, KeyOf keyOf) {
    table.size = array.size();
    table.first.reserve(array.size());
    for (std::size_t i = 0; i < array.size(); ++i) {
        // emplace keeps the first of each number
        table.first.emplace(keyOf(*array[i]), typename CNumberTable<T>::CPlace{array[i].get(), i});
    }
}

template <class T>
void Fill(CNumberTable<T>& table, const COwningArray<T>& array) {
    Fill(table, array, [](const T& record) { return record.number; });
}

}  // namespace

CNumberIndex::CNumberIndex(const CDatabase& store) {
    Fill(studios, store.studioArray);
    Fill(persons, store.personArray);
    Fill(packages, store.packageArray);
    Fill(priceListItems, store.priceListArray);
    Fill(entries, store.entryArray);
    Fill(categories, store.categoryArray, [](const CDanceCategory& c) { return c.code; });
}

CLookupScope::CLookupScope(CDatabase& store)
    : store_(store), index_(store), outer_(store.numberIndex_) {
    store_.numberIndex_ = &index_;
}

CLookupScope::~CLookupScope() {
    store_.numberIndex_ = outer_;
}
