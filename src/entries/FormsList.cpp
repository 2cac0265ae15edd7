#include "entries/FormsList.h"

#include <algorithm>
#include <set>

#include "data/Database.h"
#include "data/LookupScope.h"
#include "entries/EntryDescriptions.h"
#include "entries/EntryStore.h"

namespace {

bool BelongsTo(const CEntryRecord& entry, char mode, int id) {
    if (mode == 'S') {
        return entry.owner == id;
    }
    return mode == 'P' && (entry.gentleman == id || entry.lady == id);
}

// Forms sort by couple: the professional lady first when she dances with an amateur gentleman,
// otherwise the gentleman first; group forms sort as "<All>".
std::string CoupleSortText(const CDatabase& store, const CEntryRecord& entry) {
    const CPersonRecord* gentleman = store.FindPerson(entry.gentleman);
    const CPersonRecord* lady = store.FindPerson(entry.lady);
    if (lady != nullptr && gentleman != nullptr && lady->classLetter == 'P' &&
        gentleman->classLetter == 'A') {
        return lady->lastName + lady->firstName + gentleman->lastName + gentleman->firstName;
    }
    if (gentleman != nullptr) {
        std::string text = gentleman->lastName + gentleman->firstName;
        if (lady != nullptr) {
            text += lady->lastName + lady->firstName;
        }
        return text;
    }
    return store.FindStudio(entry.owner) != nullptr ? "<All>" : "";
}

}  // namespace

std::vector<CFormsListLine> ListEntryForms(CDatabase& store, char mode, int id) {
    SeparateMixedForms(store);
    const CLookupScope lookups(store);
    struct CSorted {
        std::string sortText;
        const CEntryRecord* entry;
    };
    std::vector<CSorted> sorted;
    for (const auto& entry : store.entryArray) {
        if (BelongsTo(*entry, mode, id)) {
            sorted.push_back({CoupleSortText(store, *entry) + DescribeForm(store, *entry, mode, id),
                              entry.get()});
        }
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CSorted& a, const CSorted& b) { return a.sortText < b.sortText; });

    std::vector<CFormsListLine> lines;
    std::set<int> listedForms;
    for (const auto& [sortText, entry] : sorted) {
        if (listedForms.insert(entry->formCode).second) {
            lines.push_back({entry->number, DescribeForm(store, *entry, mode, id)});
        }
    }
    return lines;
}
