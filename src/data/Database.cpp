// The store's own operations: look-ups by number, numbering, clearing, and the upkeep that every
// save does before writing.
#include "data/Database.h"

#include <algorithm>
#include <map>

#include "data/LookupScope.h"

namespace {

// The record a scan finds, from the scope's index while its array has kept its size and the
// record found stands at its place with its key.
template <class T, class KeyOf>
T* FindIndexed(CNumberIndex* index, CNumberTable<T> CNumberIndex::*table,
               const COwningArray<T>& array, int key, KeyOf keyOf) {
    if (index != nullptr && !(index->*table).built) {
        (index->*table).Build(array, keyOf);
    }
    if (index != nullptr && (index->*table).size == array.size()) {
        const auto* found = (index->*table).Find(key);
        if (found == nullptr) {
            return nullptr;
        }
        const auto& [record, position] = *found;
        if (array[position].get() == record && keyOf(*record) == key) {
            return record;
        }
    }
    for (const auto& record : array) {
        if (keyOf(*record) == key) {
            return record.get();
        }
    }
    return nullptr;
}

template <class T>
T* FindNumber(CNumberIndex* index, CNumberTable<T> CNumberIndex::*table,
              const COwningArray<T>& array, int number) {
    return FindIndexed(index, table, array, number, [](const T& r) { return r.number; });
}

}  // namespace

void CDatabase::Clear(bool keepSetup) {
    if (!keepSetup) {
        categoryArray.clear();
        priceListArray.clear();
        packageArray.clear();
    }
    studioArray.clear();
    personArray.clear();
    purchaseArray.clear();
    entryArray.clear();
}

CStudioRecord* CDatabase::FindStudio(int studioNumber) const {
    return FindNumber(numberIndex_, &CNumberIndex::studios, studioArray, studioNumber);
}

CPersonRecord* CDatabase::FindPerson(int personNumber) const {
    return FindNumber(numberIndex_, &CNumberIndex::persons, personArray, personNumber);
}

CPackageRecord* CDatabase::FindPackage(int packageNumber) const {
    return FindNumber(numberIndex_, &CNumberIndex::packages, packageArray, packageNumber);
}

CPriceListRecord* CDatabase::FindPriceListItem(int itemNumber) const {
    return FindNumber(numberIndex_, &CNumberIndex::priceListItems, priceListArray, itemNumber);
}

CEntryRecord* CDatabase::FindEntry(int entryNumber) const {
    return FindNumber(numberIndex_, &CNumberIndex::entries, entryArray, entryNumber);
}

CDanceCategory* CDatabase::FindCategory(int categoryCode, int* position) const {
    if (position == nullptr) {
        return FindIndexed(numberIndex_, &CNumberIndex::categories, categoryArray, categoryCode,
                           [](const CDanceCategory& c) { return c.code; });
    }
    for (size_t i = 0; i < categoryArray.size(); ++i) {
        if (categoryArray[i]->code == categoryCode) {
            *position = static_cast<int>(i);
            return categoryArray[i].get();
        }
    }
    return nullptr;
}

int CDatabase::NextRoommateGroup() const {
    int highest = 0;
    for (const auto& person : personArray) {
        highest = std::max(highest, static_cast<int>(person->roommateGroup));
    }
    return highest + 1;
}

int CDatabase::NextFormCode() const {
    // Compared as unsigned numbers; an entry without a form code (-1) would otherwise make
    // every later form code wrap around to 0.
    uint32_t highest = 0;
    for (const auto& entry : entryArray) {
        if (entry->formCode != -1) {
            highest = std::max(highest, static_cast<uint32_t>(entry->formCode));
        }
    }
    return static_cast<int>(highest + 1);
}

void CDatabase::DropLoneRoomGroups() {
    std::map<int32_t, int> members;
    for (const auto& person : personArray) {
        ++members[person->roommateGroup];
    }
    for (const auto& person : personArray) {
        if (person->roommateGroup != -1 && members[person->roommateGroup] < 2) {
            person->roommateGroup = -1;
        }
    }
}

void CDatabase::AssignHotelPackages() {
    // Coverage follows the purchases as they stand: a deleted package no longer covers anyone.
    for (const auto& person : personArray) {
        person->dancePackage = -1;
    }
    for (const auto& purchase : purchaseArray) {
        if (purchase->type != 'P') {
            continue;
        }
        const CPackageRecord* package = FindPackage(purchase->itemNumber);
        if (package == nullptr || (package->coversEntries != 1 && package->coversEntries != '1')) {
            continue;
        }
        if (CPersonRecord* buyer = FindPerson(purchase->purchaserNumber)) {
            buyer->dancePackage = package->number;
        }
    }
}
