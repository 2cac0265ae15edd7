#include "entries/EntryStore.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "data/Database.h"
#include "formats/DataFileWriter.h"

bool WriteStudioDataFile(CDatabase& store) {
    return WriteDataFile(store, store.dataFileName);
}

bool RemoveEntry(CDatabase& store, int entryNumber) {
    auto& entries = store.entryArray;
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& e) { return e->number == entryNumber; });
    if (found == entries.end()) {
        return false;
    }
    entries.erase(found);
    return true;
}

void DeleteEntry(CDatabase& store, int entryNumber) {
    if (RemoveEntry(store, entryNumber)) {
        WriteStudioDataFile(store);
    }
}

bool SameFormIdentity(const CEntryRecord& a, const CEntryRecord& b) {
    return a.gentleman == b.gentleman && a.lady == b.lady && a.coach == b.coach &&
           a.categoryCode == b.categoryCode && a.type == b.type && a.level == b.level &&
           a.age == b.age;
}

void SeparateMixedForms(CDatabase& store) {
    // The first entry met of each form code decides what that form is; every other kind of
    // entry under the same code moves to a new code, shared with its own kind. A form holds
    // each dance once: a second entry of the same couple in the same dance is a duplicate the
    // user allowed, which the file cannot tell apart from the first, and so a form of its own.
    struct CKind {
        const CEntryRecord* first;
        int code;
        std::set<uint8_t> dances;
    };
    std::map<int, std::vector<CKind>> kindsByCode;
    int nextCode = store.NextFormCode();
    for (const auto& entry : store.entryArray) {
        auto& kinds = kindsByCode[entry->formCode];
        const auto same = std::find_if(kinds.begin(), kinds.end(), [&](const CKind& kind) {
            return SameFormIdentity(*kind.first, *entry) && !kind.dances.contains(entry->dance);
        });
        if (same != kinds.end()) {
            entry->formCode = same->code;
            same->dances.insert(entry->dance);
        } else if (kinds.empty()) {
            kinds.push_back({entry.get(), entry->formCode, {entry->dance}});
        } else {
            kinds.push_back({entry.get(), nextCode, {entry->dance}});
            entry->formCode = nextCode++;
        }
    }
}

int DeleteEntryForm(CDatabase& store, int formCode) {
    const auto deleted =
        std::erase_if(store.entryArray, [&](const auto& e) { return e->formCode == formCode; });
    if (deleted > 0) {
        WriteStudioDataFile(store);
    }
    return static_cast<int>(deleted);
}
