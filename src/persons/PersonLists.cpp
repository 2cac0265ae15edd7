#include "persons/PersonLists.h"

#include <algorithm>

#include "data/Database.h"
#include "dialogs/ListDialog.h"
#include "dialogs/ListModel.h"
#include "persons/RosterCsv.h"
#include "platform/Ui.h"
#include "util/Collation.h"

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

int SelectPerson(CDatabase& store, char classFilter, char genderFilter, std::vector<int>& chosen) {
    // Shown by name, so that a team's dancers are found among many; the chosen ones come back
    // in the person list's order, the order the form has always stored them in.
    std::vector<const CPersonRecord*> shown;
    for (const auto& person : store.personArray) {
        if (!FilterExcludes(classFilter, person->classLetter) &&
            !FilterExcludes(genderFilter, person->gender)) {
            shown.push_back(person.get());
        }
    }
    std::stable_sort(shown.begin(), shown.end(), [](const auto* a, const auto* b) {
        return CollatesBefore(ListText(*a), ListText(*b));
    });
    CListDialog dialog("Select person", 'M', 'N', CListDialog::kNoChoice, 0, "", "", "");
    for (const CPersonRecord* person : shown) {
        dialog.AddItem(person->number, ListText(*person), PersonTypeText(*person));
    }
    const int result = dialog.Run(store.ui, &chosen);
    std::vector<int> inListOrder;
    for (const auto& person : store.personArray) {
        if (std::find(chosen.begin(), chosen.end(), person->number) != chosen.end() &&
            std::find(inListOrder.begin(), inListOrder.end(), person->number) ==
                inListOrder.end()) {
            inListOrder.push_back(person->number);
        }
    }
    chosen = std::move(inListOrder);
    return result;
}

void FillPersonCombo(const CDatabase& store, CListModel& combo, int categoryFilter,
                     int numberToSelect, bool reset, bool addNone) {
    if (reset) {
        combo.ResetContent();
    }
    if (addNone) {
        combo.AddString("<None>", -1);
    }
    // By name, as every person list: a type-ahead box's matches then stand together.
    std::vector<const CPersonRecord*> shown;
    for (const auto& person : store.personArray) {
        if (categoryFilter == 7 || person->PersonTypeCode() == categoryFilter) {
            shown.push_back(person.get());
        }
    }
    std::stable_sort(shown.begin(), shown.end(), [](const auto* a, const auto* b) {
        return CollatesBefore(ListText(*a), ListText(*b));
    });
    for (const CPersonRecord* person : shown) {
        const int line = combo.AddString(ListText(*person), person->number);
        combo.SetTip(line, PersonTypeText(*person));
        if (person->number == numberToSelect) {
            combo.SetCurSel(line);
        }
    }
}

void ListPersons(const CDatabase& store, char classFilter, char genderFilter, int youthFilter,
                 CStringList& texts, std::vector<int>& numbers) {
    for (const auto& person : store.personArray) {
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
