#include "report/ReportCharges.h"

#include <algorithm>
#include <string>

#include "data/Database.h"
#include "entries/EntryDescriptions.h"
#include "report/Pricing.h"
#include "util/DenseNumbering.h"

namespace {

// What an entry's sort text and couple label are made of: its couple, owner, category, level
// and age, and whether the lady leads. The dance is not part of it, so the entries of one form
// share one key: the texts are made and sorted once per form, and the entries then counted into
// place. Sorting every entry's own text grew faster than the studio: twice the texts to
// compare, each a separate allocation, soon more than the processor's caches hold.
struct CFormKey {
    int gentleman, lady, owner, categoryCode;
    uint8_t level, age;
    bool ladyLeads;
    bool operator==(const CFormKey&) const = default;
};

struct CFormKeyHash {
    std::size_t operator()(const CFormKey& key) const {
        std::size_t hash = 0;
        for (const int part : {key.gentleman, key.lady, key.owner, key.categoryCode,
                               key.level << 9 | key.age << 1 | int{key.ladyLeads}}) {
            hash = hash * 1000003u ^ static_cast<std::size_t>(static_cast<uint32_t>(part));
        }
        return hash;
    }
};

CFormKey FormKeyOf(const CEntryRecord& entry) {
    return {entry.gentleman,
            entry.lady,
            entry.owner,
            entry.categoryCode,
            entry.level,
            entry.age,
            entry.type == 'F' || entry.type == 'f'};
}

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

// Entries sort by couple (the lady first for a lady pro/am entry), then by what they are; the
// studio's group entries under "<All>".
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

// The entries' positions in the report's order: by sort text, equal texts in store order. Each
// entry's form (`formOfEntry`) has its text in `sortTexts`.
std::vector<std::size_t> ReportOrder(const std::vector<std::string>& sortTexts,
                                     const std::vector<std::size_t>& formOfEntry) {
    std::vector<std::size_t> byText(sortTexts.size());
    for (std::size_t i = 0; i < byText.size(); ++i) {
        byText[i] = i;
    }
    std::sort(byText.begin(), byText.end(),
              [&sortTexts](std::size_t a, std::size_t b) { return sortTexts[a] < sortTexts[b]; });
    // Forms of equal texts share a rank; then the entries are counted into place rank by rank,
    // each rank in store order, as a stable sort of the entries by their texts would place them.
    std::vector<std::size_t> rankOf(sortTexts.size());
    std::vector<std::size_t> slot;  // per rank: its count, then where its next entry goes
    for (std::size_t i = 0; i < byText.size(); ++i) {
        if (i == 0 || sortTexts[byText[i]] != sortTexts[byText[i - 1]]) {
            slot.push_back(0);
        }
        rankOf[byText[i]] = slot.size() - 1;
    }
    for (const std::size_t form : formOfEntry) {
        ++slot[rankOf[form]];
    }
    std::size_t start = 0;
    for (std::size_t& next : slot) {
        const std::size_t count = next;
        next = start;
        start += count;
    }
    std::vector<std::size_t> order(formOfEntry.size());
    for (std::size_t entry = 0; entry < formOfEntry.size(); ++entry) {
        order[slot[rankOf[formOfEntry[entry]]]++] = entry;
    }
    return order;
}

}  // namespace

CStudioCharges ChargesOf(const CDatabase& store) {
    const int firstStudio = store.studioArray.empty() ? -1 : store.studioArray.front()->number;
    CStudioCharges charges;
    // Per form, in order of first appearance: its sort text, and its couple in coupleLabels.
    std::vector<std::string> sortTexts;
    CDenseNumbering<CFormKey, CFormKeyHash> formOf(store.entryArray.size() / 2);
    std::vector<std::size_t> formOfEntry;
    std::vector<float> fees;
    formOfEntry.reserve(store.entryArray.size());
    fees.reserve(store.entryArray.size());
    for (const auto& entry : store.entryArray) {
        const auto [form, added] = formOf.Number(FormKeyOf(*entry));
        if (added) {
            sortTexts.push_back(SortText(store, *entry, firstStudio));
            charges.coupleLabels.push_back(CoupleLabel(store, *entry));
        }
        formOfEntry.push_back(form);
        fees.push_back(EntryFee(store, *entry));
    }
    charges.entries.reserve(store.entryArray.size());
    for (const std::size_t i : ReportOrder(sortTexts, formOfEntry)) {
        charges.entries.push_back({store.entryArray[i].get(), fees[i], formOfEntry[i]});
    }
    charges.purchases.reserve(store.purchaseArray.size());
    for (const auto& purchase : store.purchaseArray) {
        charges.purchases.push_back({purchase.get(), PurchasePrice(store, *purchase)});
    }
    return charges;
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
