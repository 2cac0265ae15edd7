#include "entries/DanceEntriesStep.h"

#include "data/Database.h"
#include "entries/EntryManager.h"
#include "entries/EntryTypeDialog.h"
#include "platform/Ui.h"

void EditDanceEntries(CDatabase& store) {
    char lastType = 0;
    int lastCategory = -1;
    for (;;) {
        CEntryTypeDialog choice(store, 0, 0, false);
        // Back from a form (and its duplicate questions), the choice is where the user left it.
        if (lastType != 0) {
            choice.ChooseAsBefore(lastType, lastCategory);
        }
        if (store.ui.RunDialog(choice) != IDOK) {
            return;
        }
        lastType = choice.entryType;
        lastCategory = choice.categoryCode;
        CEntryManager manager(store);
        manager.NewForm(choice.categoryCode, choice.entryType);
        manager.EditForms();
    }
}
