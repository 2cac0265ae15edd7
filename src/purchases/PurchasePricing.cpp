#include "purchases/PurchasePricing.h"

#include "data/Database.h"
#include "util/Money.h"

std::optional<int64_t> PurchasePrice(const CDatabase& store, const CFinanceRecord& purchase) {
    const CPersonRecord* purchaser = store.FindPerson(purchase.purchaserNumber);
    int64_t piece = 0;
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
        return 0;
    }
    return CentsTimes(piece, purchase.quantity);
}
