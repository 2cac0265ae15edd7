#include "data/Database.h"

void CDatabase::SaveAndClear(bool keepSetup) {
    // Without a studio the writer refuses with its message; the store is cleared all the same.
    WriteDataFile(dataFileName);
    if (!keepSetup) {
        categoryArray.clear();
        priceListArray.clear();
        packageArray.clear();
    }
    studioArray.clear();
    personArray.clear();
    purchaseArray.clear();
    entryArray.clear();
}
