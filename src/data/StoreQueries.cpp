// What the dialogs ask the store for: names, person lists, the next form code.
#include <algorithm>
#include <cstdint>

#include "data/Database.h"
#include "entries/ListDialog.h"
#include "platform/Ui.h"
#include "util/ListModel.h"

namespace {

// The text of a person in every person list.
std::string ListText(const CPersonRecord& person) {
    return person.lastName + ", " + person.firstName;
}

// A set filter letter excludes a person whose own letter differs.
bool FilterExcludes(char filter, char letter) {
    return filter != 0 && filter != letter;
}

}  // namespace

std::string CDatabase::StudioFileNamePart() {
    if (studioArray.empty()) {
        ui.ShowMessage("Error - no studio");
        return {};
    }
    return MakeFileNamePart(studioArray.front()->name);
}

std::string CDatabase::PersonNameText(int personNumber, int nameMode) const {
    const CPersonRecord* person = FindPerson(personNumber);
    return person == nullptr ? std::string() : person->FormatPersonName(nameMode);
}

int CDatabase::SelectPerson(char classFilter, char genderFilter, std::vector<int>& chosen) {
    CListDialog dialog("Select person", 'M', 'N', CListDialog::kNoChoice, 0, "", "", "");
    for (const auto& person : personArray) {
        if (FilterExcludes(classFilter, person->classLetter) ||
            FilterExcludes(genderFilter, person->gender)) {
            continue;
        }
        dialog.AddItem(person->number, ListText(*person));
    }
    return dialog.Run(ui, &chosen);
}

void CDatabase::FillPersonCombo(CListModel& combo, int categoryFilter, int numberToSelect,
                                bool reset, bool addNone) const {
    if (reset) {
        combo.ResetContent();
    }
    if (addNone) {
        combo.AddString("<None>", -1);
    }
    for (const auto& person : personArray) {
        if (categoryFilter != 7 && person->PersonTypeCode() != categoryFilter) {
            continue;
        }
        const int line = combo.AddString(ListText(*person), person->number);
        if (person->number == numberToSelect) {
            combo.SetCurSel(line);
        }
    }
}

void CDatabase::ListStudios(CStringList& texts, std::vector<int>& numbers) const {
    for (const auto& studio : studioArray) {
        texts.push_back(studio->name);
        numbers.push_back(studio->number);
    }
}

void CDatabase::ListPersons(char classFilter, char genderFilter, int youthFilter,
                            CStringList& texts, std::vector<int>& numbers) const {
    for (const auto& person : personArray) {
        // A person whose letter is unset passes that letter's filter.
        if ((person->classLetter != 0 && FilterExcludes(classFilter, person->classLetter)) ||
            (person->gender != 0 && FilterExcludes(genderFilter, person->gender)) ||
            (youthFilter != -1 && youthFilter != person->youth)) {
            continue;
        }
        texts.push_back(ListText(*person));
        numbers.push_back(person->number);
    }
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

void CDatabase::DeleteEntry(int entryNumber) {
    const auto found = std::find_if(entryArray.begin(), entryArray.end(),
                                    [&](const auto& e) { return e->number == entryNumber; });
    if (found == entryArray.end()) {
        return;
    }
    entryArray.erase(found);
    WriteDataFile(dataFileName);
}
