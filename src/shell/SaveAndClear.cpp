#include "shell/SaveAndClear.h"

#include "data/Database.h"
#include "formats/DataFileWriter.h"

void SaveAndClear(CDatabase& store, bool keepSetup) {
    // Without a studio there is nothing to save (a start that ended before one was made, or a
    // file that was left alone): no write, and no message after the one that said why.
    if (!store.studioArray.empty()) {
        WriteDataFile(store, store.dataFileName);
    }
    store.Clear(keepSetup);
}
