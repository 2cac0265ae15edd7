#include "shell/SaveAndClear.h"

#include "data/Database.h"
#include "formats/DataFileWriter.h"

void SaveAndClear(CDatabase& store, bool keepSetup) {
    // Without a studio the writer refuses with its message; the store is cleared all the same.
    WriteDataFile(store, store.dataFileName);
    store.Clear(keepSetup);
}
