#include "purchases/PurchasePricing.h"

#include "data/Database.h"

std::optional<float> PurchasePrice(const CDatabase& store, const CFinanceRecord& purchase) {
    const CPersonRecord* purchaser = store.FindPerson(purchase.purchaserNumber);
    float piece = 0.0f;
    if (purchase.type == 'P') {
        const CPackageRecord* package = store.FindPackage(purchase.itemNumber);
        if (package == nullptr) {
            return std::nullopt;
        }
        piece = package->Price(purchaser);
    } else if (purchase.type == 'O') {
        const CPriceListRecord* item = store.FindPriceListItem(purchase.itemNumber);
        if (item == nullptr) {
            return std::nullopt;
        }
        piece = item->Price(purchaser);
    } else {
        return 0.0f;
    }
    return piece * static_cast<float>(purchase.quantity);
}
