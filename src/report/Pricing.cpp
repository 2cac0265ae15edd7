#include "report/Pricing.h"

#include "data/Database.h"

namespace {

void AppendItem(const CDatabase& store, const CFinanceRecord& purchase, int itemNumber,
                int packageNumber, char filter, CItemLineList& lines) {
    const CPriceListRecord* item = store.FindPriceListItem(itemNumber);
    if (item == nullptr || (filter != 'A' && filter != item->kind)) {
        return;
    }
    PurchasedItemLine line{purchase.studioNumber, purchase.purchaserNumber,
                           item->number,          item->kind,
                           packageNumber,         purchase.quantity};
    if (filter == 'A') {
        lines.push_back(line);
        return;
    }
    line.count = 1;
    for (int piece = 0; piece < purchase.quantity; ++piece) {
        lines.push_back(line);
    }
}

}  // namespace

void ExpandPurchases(const CDatabase& store, char filter, CItemLineList& lines) {
    for (const auto& purchase : store.purchaseArray) {
        if (purchase->type == 'O') {
            AppendItem(store, *purchase, purchase->itemNumber, -1, filter, lines);
        } else if (purchase->type == 'P') {
            const CPackageRecord* package = store.FindPackage(purchase->itemNumber);
            if (package == nullptr) {
                continue;
            }
            for (const int itemNumber : package->itemNumbers) {
                AppendItem(store, *purchase, itemNumber, package->number, filter, lines);
            }
        }
    }
}

namespace {

bool IsRoomItem(const PurchasedItemLine& line) {
    return line.itemKind == 'R';
}

// Whether the person dances in the entry; the same person as gentleman and lady counts once.
bool DancesIn(const CEntryRecord& entry, int personNumber) {
    return personNumber != -1 && (entry.gentleman == personNumber || entry.lady == personNumber);
}

}  // namespace

int HasRoomItem(int personNumber, const CItemLineList& lines) {
    for (const auto& line : lines) {
        if (line.purchaserNumber == personNumber && IsRoomItem(line)) {
            return 1;
        }
    }
    return 0;
}

std::unordered_set<int> PersonsWithRoomItem(const CItemLineList& lines) {
    std::unordered_set<int> persons;
    for (const auto& line : lines) {
        if (IsRoomItem(line)) {
            persons.insert(line.purchaserNumber);
        }
    }
    return persons;
}

unsigned EntryCountOfPerson(const CDatabase& store, int personNumber) {
    unsigned count = 0;
    for (const auto& entry : store.entryArray) {
        if (DancesIn(*entry, personNumber)) {
            ++count;
        }
    }
    return count;
}

std::unordered_map<int, unsigned> EntryCountsOfPersons(const CDatabase& store) {
    std::unordered_map<int, unsigned> counts;
    for (const auto& entry : store.entryArray) {
        if (entry->gentleman != -1) {
            ++counts[entry->gentleman];
        }
        if (entry->lady != -1 && entry->lady != entry->gentleman) {
            ++counts[entry->lady];
        }
    }
    return counts;
}
