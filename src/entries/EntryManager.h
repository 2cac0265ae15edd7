#pragma once
// The bridge between the forms a user fills in and the entries the store keeps (one per dance):
// loads a form from its entries, runs the entry form dialog on it, writes it back (updating,
// adding and removing entries, asking about duplicates) and starts the follow-up forms the
// dialog asks for. One manager serves one editing run.
#include "entries/EntryForm.h"

class CDatabase;
class CEntryRecord;

class CEntryManager {
public:
    explicit CEntryManager(CDatabase& store) : store(store) {}

    // A blank form of that category and type, with the next free form code.
    void NewForm(int categoryCode, char entryType);
    // Runs the entry form dialog on the form, saving it when changed, and goes on with the
    // follow-up forms the user asks for. The last dialog's save flag: 1 saved, 2 not. A form
    // without a category is not opened (2).
    int EditForms();
    // Writes the form into the store as one entry per dance and rewrites the data file, saying
    // which dances were left out as duplicates. false, changing nothing, when the form has no
    // category to describe its entries by, or when every dance was left out.
    bool SaveEntryForm();
    // Whether the last SaveEntryForm stored nothing because the user refused every dance as a
    // duplicate: the form is then to be shown again as it was typed.
    bool LastSaveRefusedEveryDance() const { return everyDanceRefused_; }
    // Loads the form that `entry` belongs to. false, leaving the form as it was, when the
    // entry's category is no longer in the setup file.
    bool BuildEntryformFromProgramRecord(const CEntryRecord& entry);
    // The forms list of studio `id` (mode 'S') or person `id` (mode 'P'): the user opens forms
    // for editing and deletes whole forms until he or she leaves it.
    void FormsForStudioOrPerson(char mode, int id);

    CDatabase& store;
    CEntryForm form;

private:
    // Prepares the next form for a follow-up action; false when the editing run ends.
    bool StartFollowUpForm(int action);
    // Runs the type and category dialog; false when the user cancelled.
    bool ChooseTypeAndCategory(char presetType, char restriction, char& type, int& categoryCode);
    void SetCategory(int categoryCode);
    // The next form of the run: no code yet, level and age to be chosen again.
    void BeginNextForm();
    // The next form with only its persons kept.
    void ClearChoices();
    void FillEntry(CEntryRecord& entry, uint8_t dance) const;

    bool everyDanceRefused_ = false;
};
