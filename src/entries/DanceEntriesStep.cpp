#include "entries/DanceEntriesStep.h"

#include "data/Database.h"
#include "entries/EntryManager.h"
#include "entries/EntryTypeDialog.h"
#include "platform/Ui.h"

void EditDanceEntries(CDatabase& store) {
    for (;;) {
        CEntryTypeDialog choice(store, 0, 0, false);
        if (store.ui.RunDialog(choice) != IDOK) {
            return;
        }
        CEntryManager manager(store);
        manager.NewForm(choice.categoryCode, choice.entryType);
        manager.EditForms();
    }
}
