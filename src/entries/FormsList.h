#pragma once
// The list of a studio's or a person's entry forms: one line per form, sorted by couple.
#include <string>
#include <vector>

class CDatabase;

struct CFormsListLine {
    int entryNumber;  // an entry of the form, by which the form is opened or deleted
    std::string text;
};

// The forms of studio `id` (mode 'S') or of person `id` as gentleman or lady (mode 'P'), in the
// order the list shows them. Entries that wrongly share a form code are separated first.
std::vector<CFormsListLine> ListEntryForms(CDatabase& store, char mode, int id);
