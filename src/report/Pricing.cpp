#include "report/Pricing.h"

#include "data/Database.h"

namespace {

bool IsYouthEntry(char entryType) {
    return entryType == 'f' || entryType == 'm' || entryType == 'a';
}

// The couple rule: 'N' charges when neither dancer has a package, 'S' unless both have one.
int CoupleSurcharge(char rule, bool gentleman, bool lady) {
    if (rule == 'N') {
        return !gentleman && !lady ? 1 : 0;
    }
    if (rule == 'S') {
        return !(gentleman && lady) ? 1 : 0;
    }
    return 0;
}

// The pro/am rule, with the professional as teacher ('T') and the amateur as student ('S').
int ProAmSurcharge(char rule, bool teacher, bool student) {
    switch (rule) {
        case 'N':
            return !teacher && !student ? 1 : 0;
        case 'T':
            return !teacher ? 1 : 0;
        case 'S':
            return !student ? 1 : 0;
        default:
            return 0;
    }
}

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

float EntryPrice(const CDatabase& store, const CDanceCategory& category,
                 const CEntryRecord& entry) {
    // The fees without the names: the report prices every entry.
    const CDanceCategory::Fees fees = category.EntryFees(entry.dance, entry.level);
    const bool youth = IsYouthEntry(entry.type);
    float fee = youth ? fees.youth : fees.adult;
    if (SetNPInc(store, entry.gentleman, entry.lady, entry.type) == 1) {
        fee += youth ? category.youthExtraFee : category.adultExtraFee;
    }
    return fee;
}

float EntryFee(const CDatabase& store, const CEntryRecord& entry) {
    const CDanceCategory* category = store.FindCategory(entry.categoryCode);
    return category != nullptr ? EntryPrice(store, *category, entry) : 0.0f;
}

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

int SetNPInc(const CDatabase& store, int gentleman, int lady, char entryType) {
    const bool g = HasHotelPackage(store, gentleman);
    const bool l = HasHotelPackage(store, lady);
    switch (entryType) {
        case 'F':
        case 'f':
            return ProAmSurcharge(store.proAmPackageRule, g, l);
        case 'M':
        case 'm':
            return ProAmSurcharge(store.proAmPackageRule, l, g);
        case 'A':
        case 'a':
            return CoupleSurcharge(store.amateurPackageRule, g, l);
        case 'P':
            return CoupleSurcharge(store.professionalPackageRule, g, l);
        default:
            return 0;
    }
}

bool HasHotelPackage(const CDatabase& store, int personNumber) {
    const CPersonRecord* person = personNumber == -1 ? nullptr : store.FindPerson(personNumber);
    if (person == nullptr || person->dancePackage == -1) {
        return false;
    }
    const CPackageRecord* package = store.FindPackage(person->dancePackage);
    return package != nullptr && (package->coversEntries == 1 || package->coversEntries == '1');
}

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
