// Persons in the store and the look-ups by number.
#include <algorithm>
#include <memory>

#include "data/Database.h"
#include "persons/PersonDialog.h"
#include "platform/Ui.h"

namespace {

// Takes out, from the last to the first, every record that `doomed` picks.
template <class T, class Pred>
void RemoveFromBack(COwningArray<T>& array, Pred doomed) {
    for (auto i = array.size(); i-- > 0;) {
        if (doomed(*array[i])) {
            array.erase(array.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

}  // namespace

int CDatabase::AddPerson() {
    auto person = std::make_unique<CPersonRecord>();
    person->number = NextNumber(personArray);
    CPersonDialog dialog(*this, *person);
    if (ui.RunDialog(dialog) != IDOK) {
        return 0;
    }
    AppendRecord(personArray, std::move(person));
    WriteDataFile(dataFileName);
    return 1;
}

int CDatabase::EditPerson(int personNumber) {
    CPersonRecord* person = FindPerson(personNumber);
    if (person == nullptr) {
        return 0;
    }
    CPersonDialog dialog(*this, *person);
    if (ui.RunDialog(dialog) != IDOK) {
        return 0;
    }
    WriteDataFile(dataFileName);
    return 1;
}

int CDatabase::DeletePerson(int personNumber) {
    const auto found = std::find_if(personArray.begin(), personArray.end(),
                                    [&](const auto& p) { return p->number == personNumber; });
    const bool removed = found != personArray.end();
    if (removed) {
        personArray.erase(found);
        // Entries that only name the person as coach or group dancer stay.
        RemoveFromBack(entryArray, [&](const CEntryRecord& e) {
            return e.gentleman == personNumber || e.lady == personNumber;
        });
        RemoveFromBack(purchaseArray,
                       [&](const CFinanceRecord& p) { return p.purchaserNumber == personNumber; });
    }
    WriteDataFile(dataFileName);
    return removed ? 1 : 0;
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
