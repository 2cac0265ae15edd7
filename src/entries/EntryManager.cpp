#include "entries/EntryManager.h"

#include <algorithm>
#include <memory>

#include "data/Database.h"
#include "dialogs/DeleteQuestion.h"
#include "dialogs/ListDialog.h"
#include "entries/DuplicateEntries.h"
#include "entries/EntryDescriptions.h"
#include "entries/EntryFormDialog.h"
#include "entries/EntryStore.h"
#include "entries/EntryTypeDialog.h"
#include "entries/FormsList.h"
#include "platform/Ui.h"
#include "util/Text.h"

namespace {

// Level and age of a follow-up form: none chosen yet, so that the user must choose again.
constexpr uint8_t kNotChosen = 255;

}  // namespace

void CEntryManager::NewForm(int categoryCode, char entryType) {
    form = CEntryForm();
    form.formCode = store.NextFormCode();
    form.entryType = entryType;
    SetCategory(categoryCode);
}

void CEntryManager::SetCategory(int categoryCode) {
    form.categoryCode = categoryCode;
    form.category = store.FindCategory(categoryCode);
    form.kind = form.category != nullptr ? form.category->kind : 0;
}

int CEntryManager::EditForms() {
    bool unsaved = false;
    for (;;) {
        // A category gone from the setup file has no dances, levels or ages to show.
        if (form.category == nullptr) {
            return CEntryFormDialog::kFormUnchanged;
        }
        CEntryFormDialog dialog(store, form);
        dialog.unsaved = unsaved;
        const auto result = static_cast<unsigned>(store.ui.RunDialog(dialog));
        const int saveFlag = static_cast<int>(result & 0xFFFFu);
        unsaved = false;
        if (saveFlag == CEntryFormDialog::kFormChanged && !SaveEntryForm() &&
            LastSaveRefusedEveryDance()) {
            // Every dance was left out as a duplicate: the form comes back as it was typed, so
            // that the level, the age or the couple can be changed.
            unsaved = true;
            continue;
        }
        if (!StartFollowUpForm(static_cast<int>(result >> 16))) {
            return saveFlag;
        }
    }
}

bool CEntryManager::StartFollowUpForm(int action) {
    char type = form.entryType;
    int categoryCode = form.categoryCode;
    switch (action) {
        case CEntryFormDialog::kActionNoData:
            if (!ChooseTypeAndCategory(0, 0, type, categoryCode)) {
                return false;
            }
            NewForm(categoryCode, type);
            return true;
        case CEntryFormDialog::kActionSameDances:
            // Everything stays but the level and age.
            BeginNextForm();
            return true;
        case CEntryFormDialog::kActionSameCouple:
            if (!ChooseTypeAndCategory(form.entryType, 0, type, categoryCode)) {
                return false;
            }
            ClearChoices();
            SetCategory(categoryCode);
            return true;
        case CEntryFormDialog::kActionSameMan:
        case CEntryFormDialog::kActionSameLady:
        case CEntryFormDialog::kActionNoPersons: {
            const char restriction = action == CEntryFormDialog::kActionSameMan    ? 'M'
                                     : action == CEntryFormDialog::kActionSameLady ? 'F'
                                                                                   : 0;
            const char preset = action == CEntryFormDialog::kActionNoPersons ? 0 : form.entryType;
            if (!ChooseTypeAndCategory(preset, restriction, type, categoryCode)) {
                return false;
            }
            ClearChoices();
            form.entryType = type;
            SetCategory(categoryCode);
            form.carriedLetter = 0;
            form.carriedNumber2 = -1;
            form.coach = -1;
            if (action != CEntryFormDialog::kActionSameMan) {
                form.gentleman = -1;
                form.carriedNumber = -1;
            }
            if (action != CEntryFormDialog::kActionSameLady) {
                form.lady = -1;
            }
            return true;
        }
        default:
            return false;
    }
}

bool CEntryManager::ChooseTypeAndCategory(char presetType, char restriction, char& type,
                                          int& categoryCode) {
    CEntryTypeDialog dialog(store, presetType, restriction, true);
    if (store.ui.RunDialog(dialog) != IDOK) {
        return false;
    }
    type = dialog.entryType;
    categoryCode = dialog.categoryCode;
    return true;
}

void CEntryManager::BeginNextForm() {
    // No code yet: the next save makes new entries, never updates those of the last form.
    form.formCode = -1;
    form.formEntries.clear();
    form.level = kNotChosen;
    form.age = kNotChosen;
}

void CEntryManager::ClearChoices() {
    BeginNextForm();
    form.dances.clear();
    form.dancers.clear();
    form.statusLetter = 'N';
    form.amount = 0;
    form.text.clear();
}

void CEntryManager::FillEntry(CEntryRecord& entry, uint8_t dance) const {
    entry.formCode = form.formCode;
    entry.owner = form.owner;
    entry.gentleman = form.gentleman;
    entry.lady = form.lady;
    entry.coach = form.coach;
    entry.categoryCode = form.categoryCode;
    entry.kind = form.kind;
    entry.type = form.entryType;
    entry.level = form.level;
    entry.age = form.age;
    if (entry.carriedNumber == -1) {
        entry.carriedNumber = form.carriedNumber;
    }
    entry.dancers = form.dancers;
    entry.statusLetter = form.statusLetter;
    entry.amount = form.amount;
    entry.carriedLetter = form.carriedLetter;
    entry.carriedNumber2 = form.carriedNumber2;
    entry.teamName = form.text;
    entry.dance = dance;
    entry.style = entry.EffectiveStyle(*form.category);
    entry.entryMark = form.category->entryMark;
}

bool CEntryManager::SaveEntryForm() {
    everyDanceRefused_ = false;
    if (form.category == nullptr) {
        return false;
    }
    // A form without a code has no stored entries yet: everything it holds is new.
    const bool newForm = form.formCode == -1;
    if (newForm) {
        form.formCode = store.NextFormCode();
        form.formEntries.clear();
    }
    const size_t count = form.category->DanceCount() == 0 ? 1 : form.dances.size();
    std::vector<int> kept;
    CStringList leftOut;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t dance = i < form.dances.size() ? form.dances[i] : 0;
        CEntryRecord* stored = nullptr;
        for (int number : form.formEntries) {
            CEntryRecord* candidate = store.FindEntry(number);
            if (candidate != nullptr && candidate->dance == dance &&
                candidate->level == form.level && candidate->age == form.age) {
                stored = candidate;
                break;
            }
        }
        if (stored != nullptr) {
            FillEntry(*stored, dance);
            kept.push_back(stored->number);
            continue;
        }
        auto entry = std::make_unique<CEntryRecord>();
        FillEntry(*entry, dance);
        // Numbers stay unique after removals, so that removing by number hits only this entry.
        entry->number = NextNumber(store.entryArray);
        entry->owner = static_cast<int32_t>(store.studioArray.size());
        if (!AllowDuplicates(store, *entry)) {
            leftOut.push_back(DescribeEntry(store, *entry, true));
            continue;
        }
        kept.push_back(entry->number);
        AppendRecord(store.entryArray, std::move(entry));
    }
    if (kept.empty() && !leftOut.empty()) {
        // Nothing is changed: the entries the form had stay until a save keeps something.
        everyDanceRefused_ = true;
        if (newForm) {
            form.formCode = -1;
        }
        store.ui.ShowMessage(
            "Nothing was saved: every dance of this form was left out as a duplicate.\nChange "
            "the level, the age or the persons and save again, or cancel the form.");
        return false;
    }
    for (auto i = form.formEntries.size(); i-- > 0;) {
        const int number = form.formEntries[i];
        if (std::find(kept.begin(), kept.end(), number) == kept.end()) {
            RemoveEntry(store, number);
        }
    }
    // The form now stands for the entries just saved, so saving it again updates them.
    form.formEntries = kept;
    WriteStudioDataFile(store);
    if (!leftOut.empty()) {
        std::string lines;
        for (const std::string& line : leftOut) {
            lines += "\n" + line;
        }
        store.ui.ShowInformation(FormatText(
            "%s of the form's %s dances were saved. Left out as duplicates:%s",
            {std::to_string(kept.size()), std::to_string(kept.size() + leftOut.size()), lines}));
    }
    return true;
}

bool CEntryManager::BuildEntryformFromProgramRecord(const CEntryRecord& entry) {
    const CDanceCategory* category = store.FindCategory(entry.categoryCode);
    if (category == nullptr) {
        return false;
    }
    SeparateMixedForms(store);
    form.formCode = entry.formCode;
    form.category = category;
    form.categoryCode = entry.categoryCode;
    form.kind = category->kind;
    form.entryType = entry.type;
    form.owner = entry.owner;
    form.gentleman = entry.gentleman;
    form.lady = entry.lady;
    form.coach = entry.coach;
    form.level = entry.level;
    form.age = entry.age;
    form.carriedNumber = entry.carriedNumber;
    form.dancers = entry.dancers;
    form.statusLetter = entry.statusLetter;
    form.amount = entry.amount;
    form.carriedLetter = entry.carriedLetter;
    form.carriedNumber2 = entry.carriedNumber2;
    form.text = entry.teamName;
    form.dances.clear();
    form.formEntries.clear();
    for (const auto& stored : store.entryArray) {
        if (stored->formCode == form.formCode) {
            form.dances.push_back(stored->dance);
            form.formEntries.push_back(stored->number);
        }
    }
    return true;
}

void CEntryManager::FormsForStudioOrPerson(char mode, int id) {
    auto lines = ListEntryForms(store, mode, id);
    if (lines.empty()) {
        store.ui.ShowMessage("No entry forms found.");
        return;
    }
    CListDialog dialog("Select entry form", 'N', 'N', CListDialog::kNoChoice, 1, "Delete", "Select",
                       "Exit");
    for (;;) {
        dialog.ClearItems();
        for (const auto& line : lines) {
            dialog.AddItem(line.entryNumber, line.text);
        }
        const int chosen = dialog.Run(store.ui);
        if (chosen == CListDialog::kExtraResult) {
            const int key = dialog.resultKey;
            const auto line = std::find_if(lines.begin(), lines.end(),
                                           [key](const auto& l) { return l.entryNumber == key; });
            if (AskBeforeDeleting(store.ui, "Are you sure you want to delete entry?",
                                  line != lines.end() ? line->text : std::string()) &&
                key != CListDialog::kNoChoice) {
                if (const CEntryRecord* entry = store.FindEntry(key)) {
                    DeleteEntryForm(store, entry->formCode);
                }
                std::erase_if(lines,
                              [key](const CFormsListLine& l) { return l.entryNumber == key; });
            }
            continue;
        }
        if (chosen == CListDialog::kNoChoice) {
            return;
        }
        const CEntryRecord* entry = store.FindEntry(chosen);
        if (entry != nullptr && BuildEntryformFromProgramRecord(*entry)) {
            EditForms();
        }
        lines = ListEntryForms(store, mode, id);
    }
}
