#include "report/ReportCharges.h"

#include <algorithm>
#include <string>

#include "data/Database.h"
#include "entries/EntryDescriptions.h"
#include "report/Pricing.h"

namespace {

// "Last" and "First" of a stored person; both empty for none.
void NamesOf(const CDatabase& store, int personNumber, std::string& last, std::string& first) {
    last.clear();
    first.clear();
    if (const CPersonRecord* person =
            personNumber == -1 ? nullptr : store.FindPerson(personNumber)) {
        last = person->lastName;
        first = person->firstName;
    }
}

std::string SortText(const CDatabase& store, const CEntryRecord& entry, int firstStudio) {
    std::string gentLast, gentFirst, ladyLast, ladyFirst;
    NamesOf(store, entry.gentleman, gentLast, gentFirst);
    NamesOf(store, entry.lady, ladyLast, ladyFirst);
    std::string key;
    if ((entry.type == 'F' || entry.type == 'f') && !gentLast.empty() && !ladyLast.empty()) {
        key = ladyLast + ladyFirst + gentLast + gentFirst;
    } else if (!gentLast.empty()) {
        key = gentLast + gentFirst + ladyLast + ladyFirst;
    } else if (store.FindStudio(entry.owner) != nullptr) {
        key = "<All>";
    }
    return key + DescribeForm(store, entry, 'S', firstStudio);
}

}  // namespace

std::vector<const CEntryRecord*> EntriesInReportOrder(const CDatabase& store) {
    const int firstStudio = store.studioArray.empty() ? -1 : store.studioArray.front()->number;
    std::vector<std::pair<std::string, const CEntryRecord*>> sorted;
    sorted.reserve(store.entryArray.size());
    for (const auto& entry : store.entryArray) {
        sorted.emplace_back(SortText(store, *entry, firstStudio), entry.get());
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const CEntryRecord*> entries;
    entries.reserve(sorted.size());
    for (const auto& [text, entry] : sorted) {
        entries.push_back(entry);
    }
    return entries;
}

double CStudioCharges::TotalDue() const {
    double total = 0;
    for (const CEntryCharge& charge : entries) {
        total += charge.fee;
    }
    for (const CPurchaseCharge& charge : purchases) {
        total += charge.price.value_or(0.0f);
    }
    return total;
}

CStudioCharges ChargesOf(const CDatabase& store) {
    CStudioCharges charges;
    for (const CEntryRecord* entry : EntriesInReportOrder(store)) {
        charges.entries.push_back({entry, EntryFee(store, *entry)});
    }
    charges.purchases.reserve(store.purchaseArray.size());
    for (const auto& purchase : store.purchaseArray) {
        charges.purchases.push_back({purchase.get(), PurchasePrice(store, *purchase)});
    }
    return charges;
}
