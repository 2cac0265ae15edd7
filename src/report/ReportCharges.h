#pragma once
// What the summary report charges, priced once for the report and for the statements alike:
// every entry's fee in the report's order and every purchase's price, and the approximate total
// due that they add up to. Amounts in cents.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "util/TextTable.h"

class CDatabase;
class CEntryRecord;
class CFinanceRecord;

struct CEntryCharge {
    const CEntryRecord* entry;
    int64_t fee;
    std::size_t couple;  // its CoupleLabel in CStudioCharges::coupleLabels
};

struct CPurchaseCharge {
    const CFinanceRecord* purchase;
    std::optional<int64_t> price;  // none: the setup no longer lists the item, counted as 0
};

struct CStudioCharges {
    // The entries as the report lists them: by couple (the lady first for a lady pro/am entry),
    // the studio's group entries under "<All>", then by what they are; equal ones in store order.
    std::vector<CEntryCharge> entries;
    CTextTable coupleLabels;                 // one per form, shared by its entries
    std::vector<CPurchaseCharge> purchases;  // in purchase order
};

// Prices every entry and purchase as of the store's hotel packages (AssignHotelPackages must
// have run, as the report and every save do).
CStudioCharges ChargesOf(const CDatabase& store);
