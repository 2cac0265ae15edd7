#pragma once
// The entry form dialog: shows one form of the entry manager and ends with a follow-up action
// for it. The manager reads the result; the dialog writes the user's changes into the form.
#include "dialogs/DialogModel.h"
#include "entries/EntryForm.h"

class CDatabase;

class CEntryFormDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 220;

    // Follow-up actions, carried in the high 16 bits of the result: the editing run ends, or a
    // new form starts ("New form with:" and F10).
    static constexpr int kActionExit = 0;
    static constexpr int kActionNoData = 10;      // F5
    static constexpr int kActionSameDances = 40;  // F6
    static constexpr int kActionSameCouple = 50;  // F7
    static constexpr int kActionSameMan = 60;     // F8
    static constexpr int kActionSameLady = 70;    // F9
    static constexpr int kActionNoPersons = 80;   // F10
    // The low 16 bits: the form was changed and must be saved, or not (also after Cancel).
    static constexpr int kFormChanged = 1;
    static constexpr int kFormUnchanged = 2;

    static constexpr int Result(int action, bool changed) {
        return action * 65536 + (changed ? kFormChanged : kFormUnchanged);
    }

    CEntryFormDialog(CDatabase& store, CEntryForm& form) : store(store), form(form) {}
    int ResourceId() const override { return kResourceId; }

    CDatabase& store;
    // The manager's form: only an ending with a change writes into it.
    CEntryForm& form;
};
