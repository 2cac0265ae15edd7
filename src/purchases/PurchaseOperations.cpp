#include "purchases/PurchaseOperations.h"

#include <algorithm>

#include "data/Database.h"
#include "formats/DataFileWriter.h"
#include "platform/Ui.h"
#include "purchases/PurchaseDialog.h"
#include "purchases/PurchaseListDialog.h"

void ShowPurchaseList(CDatabase& store) {
    CPurchaseListDialog dialog(store);
    store.ui.RunDialog(dialog);
}

int AddPurchase(CDatabase& store) {
    CPurchaseDialog dialog(store);
    if (store.ui.RunDialog(dialog) != IDOK) {
        return 0;
    }
    WriteDataFile(store, store.dataFileName);
    return 1;
}

int DeletePurchase(CDatabase& store, int purchaseNumber) {
    const auto found =
        std::find_if(store.purchaseArray.begin(), store.purchaseArray.end(),
                     [purchaseNumber](const auto& p) { return p->number == purchaseNumber; });
    if (found == store.purchaseArray.end()) {
        return 0;
    }
    store.purchaseArray.erase(found);
    WriteDataFile(store, store.dataFileName);
    return 1;
}
