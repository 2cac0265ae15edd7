// The store's own operations: look-ups by number, numbering, clearing, and the upkeep that every
// save does before writing.
#include "data/Database.h"

#include <algorithm>
#include <map>

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
    return FindByNumber(studioArray, studioNumber);
}

CPersonRecord* CDatabase::FindPerson(int personNumber) const {
    return FindByNumber(personArray, personNumber);
}

CPackageRecord* CDatabase::FindPackage(int packageNumber) const {
    return FindByNumber(packageArray, packageNumber);
}

CPriceListRecord* CDatabase::FindPriceListItem(int itemNumber) const {
    return FindByNumber(priceListArray, itemNumber);
}

CEntryRecord* CDatabase::FindEntry(int entryNumber) const {
    return FindByNumber(entryArray, entryNumber);
}

CDanceCategory* CDatabase::FindCategory(int categoryCode, int* position) const {
    for (size_t i = 0; i < categoryArray.size(); ++i) {
        if (categoryArray[i]->code == categoryCode) {
            if (position != nullptr) {
                *position = static_cast<int>(i);
            }
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
