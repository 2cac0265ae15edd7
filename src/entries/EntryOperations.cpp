#include "entries/EntryOperations.h"

#include <algorithm>

#include "data/Database.h"
#include "formats/DataFileWriter.h"

void DeleteEntry(CDatabase& store, int entryNumber) {
    auto& entries = store.entryArray;
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& e) { return e->number == entryNumber; });
    if (found == entries.end()) {
        return;
    }
    entries.erase(found);
    WriteDataFile(store, store.dataFileName);
}
