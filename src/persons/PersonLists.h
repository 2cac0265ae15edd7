#pragma once
// The persons as the dialogs of several steps offer them: "Last, First", the person number as
// each line's key.
#include <vector>

#include "util/Text.h"

class CDatabase;
class CListModel;

// "Select person", multiple selection over the persons that pass the letter filters (0 lets
// every person pass). Returns the list dialog's result (1 OK, 2 Cancel); the chosen person
// numbers are in `chosen`.
int SelectPerson(CDatabase& store, char classFilter, char genderFilter, std::vector<int>& chosen);
// Lists the persons of one category (7: all) in `combo` by name, "Last, First" with the person
// number as item data, selecting `numberToSelect`; optionally emptied first and led by "<None>"
// (-1).
void FillPersonCombo(const CDatabase& store, CListModel& combo, int categoryFilter,
                     int numberToSelect, bool reset, bool addNone);
// Letter filters 0 and youth filter -1 let everyone pass; an unset letter passes its filter.
void ListPersons(const CDatabase& store, char classFilter, char genderFilter, int youthFilter,
                 CStringList& texts, std::vector<int>& numbers);
