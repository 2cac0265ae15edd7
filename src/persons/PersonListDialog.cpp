#include "persons/PersonListDialog.h"

#include "data/Database.h"
#include "dialogs/DeleteQuestion.h"
#include "persons/PersonFiles.h"
#include "persons/PersonOperations.h"
#include "persons/RosterCsv.h"
#include "platform/Ui.h"
#include "util/Collation.h"

CPersonListDialog::CPersonListDialog(CDatabase& store) : store_(store) {
    persons.SortBy(CollatesBefore);
    Fill();
}

void CPersonListDialog::Fill(int numberToSelect) {
    persons.ResetContent();
    for (const auto& person : store_.personArray) {
        const int line = persons.AddString(person->lastName + ", " + person->firstName + " [" +
                                               std::to_string(person->number) + "]",
                                           person->number);
        persons.SetTip(line, PersonTypeText(*person));
        if (person->number == numberToSelect) {
            persons.SetCurSel(line);
        }
    }
}

void CPersonListDialog::OnAdd() {
    if (AddPerson(store_) == 1) {
        // The new person is the last one stored; the selection shows where the name landed.
        Fill(store_.personArray.back()->number);
    }
}

void CPersonListDialog::OnEdit() {
    const long number = ListSelectionData(store_.ui, persons, "No person selected");
    if (number >= 0 && EditPerson(store_, static_cast<int>(number)) == 1) {
        Fill(static_cast<int>(number));
    }
}

void CPersonListDialog::OnDelete() {
    const long number = ListSelectionData(store_.ui, persons, "No person selected");
    if (number < 0 ||
        !AskBeforeDeleting(store_.ui, kDeleteQuestion, persons.GetText(persons.GetCurSel()))) {
        return;
    }
    if (DeletePerson(store_, static_cast<int>(number)) == 1) {
        Fill();
    }
}

void CPersonListDialog::OnImport() {
    if (ImportPersonsAsked(store_)) {
        Fill();
    }
}

void CPersonListDialog::OnExport() {
    ExportPersonsAsked(store_);
}

void ShowPersonList(CDatabase& store) {
    CPersonListDialog dialog(store);
    store.ui.RunDialog(dialog);
}
