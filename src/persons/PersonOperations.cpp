// Adding, editing and deleting persons; each change is saved at once.
#include <algorithm>
#include <memory>

#include "persons/PersonOperations.h"

#include "data/Database.h"
#include "formats/DataFileWriter.h"
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

int AddPerson(CDatabase& store) {
    auto person = std::make_unique<CPersonRecord>();
    person->number = NextNumber(store.personArray);
    CPersonDialog dialog(store, *person);
    if (store.ui.RunDialog(dialog) != IDOK) {
        // The new person's comments go with it, but roommates it gave a group keep that group.
        if (dialog.changedStore) {
            WriteDataFile(store, store.dataFileName);
        }
        return 0;
    }
    AppendRecord(store.personArray, std::move(person));
    WriteDataFile(store, store.dataFileName);
    return 1;
}

int EditPerson(CDatabase& store, int personNumber) {
    CPersonRecord* person = store.FindPerson(personNumber);
    if (person == nullptr) {
        return 0;
    }
    CPersonDialog dialog(store, *person);
    const bool ok = store.ui.RunDialog(dialog) == IDOK;
    // Comments and roommates changed while the dialog was open stay after Cancel, so the file
    // takes them too rather than waiting for the next change.
    if (ok || dialog.changedStore) {
        WriteDataFile(store, store.dataFileName);
    }
    return ok ? 1 : 0;
}

int DeletePerson(CDatabase& store, int personNumber) {
    const auto found = std::find_if(store.personArray.begin(), store.personArray.end(),
                                    [&](const auto& p) { return p->number == personNumber; });
    const bool removed = found != store.personArray.end();
    if (removed) {
        store.personArray.erase(found);
        // Entries that only name the person as coach or group dancer stay.
        RemoveFromBack(store.entryArray, [&](const CEntryRecord& e) {
            return e.gentleman == personNumber || e.lady == personNumber;
        });
        RemoveFromBack(store.purchaseArray,
                       [&](const CFinanceRecord& p) { return p.purchaserNumber == personNumber; });
    }
    WriteDataFile(store, store.dataFileName);
    return removed ? 1 : 0;
}
