#include "entries/EntryTypeDialog.h"

#include <string_view>

#include "data/Database.h"
#include "entries/EntryManager.h"
#include "platform/Ui.h"

namespace {

bool OneOf(char type, std::string_view types) {
    return type != 0 && types.find(type) != std::string_view::npos;
}

// The types in which a kept gentleman (restriction 'M') or lady ('F') keeps his or her role and
// class: a professional teacher stays a teacher, an amateur stays an amateur.
CEntryTypeDialog::Mode RestrictedMode(char presetType, char restriction) {
    if (restriction == 'M') {
        if (OneOf(presetType, "FfP")) {
            return CEntryTypeDialog::kProfessionalGentleman;
        }
        if (OneOf(presetType, "MmAa")) {
            return CEntryTypeDialog::kAmateurGentleman;
        }
    } else if (restriction == 'F') {
        if (OneOf(presetType, "MmP")) {
            return CEntryTypeDialog::kProfessionalLady;
        }
        if (OneOf(presetType, "FfAa")) {
            return CEntryTypeDialog::kAmateurLady;
        }
    }
    // A group keeps no gentleman or lady: its follow-up form stays a group.
    return CEntryTypeDialog::kTypeFixed;
}

}  // namespace

const std::array<CEntryTypeDialog::TypeButton, 8>& CEntryTypeDialog::TypeButtons() {
    static const std::array<TypeButton, 8> buttons{{
        {kAdultLadyId, 'F', "Adult lady pro/am"},
        {kAdultGentlemanId, 'M', "Adult gentleman pro/am"},
        {kYouthLadyId, 'f', "Youth lady pro/am"},
        {kYouthGentlemanId, 'm', "Youth gentleman pro/am"},
        {kAdultAmateurId, 'A', "Adult amateur"},
        {kYouthAmateurId, 'a', "Youth amateur"},
        {kProfessionalId, 'P', "Professional"},
        {kGroupId, 'G', "Formations/team matches"},
    }};
    return buttons;
}

CEntryTypeDialog::CEntryTypeDialog(CDatabase& store, char presetType, char restriction,
                                   bool hidePersons)
    : store(store), hidePersons(hidePersons) {
    if (presetType == 0) {
        mode = kFreeChoice;
        entryType = 'F';
    } else if (restriction == 0) {
        mode = kTypeFixed;
        entryType = presetType;
    } else {
        mode = RestrictedMode(presetType, restriction);
        entryType = mode == kTypeFixed ? presetType : 0;
    }
    if (!hidePersons) {
        FillPersons();
    }
    FillCategories();
}

bool CEntryTypeDialog::IsTypeEnabled(char type) const {
    switch (mode) {
        case kFreeChoice:
            return OneOf(type, "FMfmAaPG");
        case kTypeFixed:
            return false;
        case kProfessionalGentleman:
            return OneOf(type, "FfP");
        case kProfessionalLady:
            return OneOf(type, "MmP");
        case kAmateurGentleman:
            return OneOf(type, "MmAa");
        case kAmateurLady:
            return OneOf(type, "FfAa");
    }
    return false;
}

void CEntryTypeDialog::ChooseAsBefore(char type, int code) {
    if (!IsTypeEnabled(type)) {
        return;
    }
    OnTypeClicked(type);
    categories.SetCurSel(categories.FindItemData(code));
}

void CEntryTypeDialog::PreselectPerson(long value) {
    personsPreselection = static_cast<int>(value);
    persons.SetCurSel(value == -1 ? -1 : persons.FindItemData(value));
}

void CEntryTypeDialog::FillPersons() {
    persons.ResetContent();
    for (const auto& studio : store.studioArray) {
        persons.AddString("<All> " + studio->name + " (studio)", studio->number);
    }
    for (const auto& person : store.personArray) {
        persons.AddString(person->lastName + ", " + person->firstName + " (individual)",
                          -static_cast<long>(person->number));
    }
}

void CEntryTypeDialog::FillCategories() {
    categories.ResetContent();
    if (entryType == 0) {
        return;
    }
    for (const auto& category : store.categoryArray) {
        if (category->AllowsEntryType(entryType)) {
            categories.AddString(category->name, category->code);
        }
    }
}

void CEntryTypeDialog::OnTypeClicked(char type) {
    if (!IsTypeEnabled(type)) {
        return;
    }
    entryType = type;
    FillCategories();
}

bool CEntryTypeDialog::OnOK() {
    const int line = categories.GetCurSel();
    if (line < 0) {
        store.ui.ShowMessage("No category selected");
        return false;
    }
    if (entryType == 0) {
        store.ui.ShowMessage("No entry type selected.");
        return false;
    }
    categoryCode = static_cast<int>(categories.GetItemData(line));
    return true;
}

void CEntryTypeDialog::OnViewForms() {
    // Not by ListSelectionData: its -1 for "nothing selected" is also person 1's line.
    const int line = ListSelection(store.ui, persons, "No item selected");
    if (line < 0) {
        return;
    }
    const long value = persons.GetItemData(line);
    if (value == 0) {
        return;
    }
    CEntryManager manager(store);
    if (value < 0) {
        manager.FormsForStudioOrPerson('P', static_cast<int>(-value));
    } else {
        manager.FormsForStudioOrPerson('S', static_cast<int>(value));
    }
    // Forms opened from the list may have added persons; the line chosen stays chosen.
    FillPersons();
    persons.SetCurSel(persons.FindItemData(value));
}

void CEntryTypeDialog::OnHelp() {
    store.ui.OpenHelp(HelpContext());
}
