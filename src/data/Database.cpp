#include "data/Database.h"

void CDatabase::SaveAndClear(bool keepSetup) {
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
