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

// "Last" then "First" of a stored person; nothing for none.
void AppendNames(std::string& text, const CPersonRecord* person) {
    if (person != nullptr) {
        text += person->lastName;
        text += person->firstName;
    }
}

// Entries sort by couple (the lady first for a lady pro/am entry), then by what they are; the
// studio's group entries under "<All>". A dancer without a last name does not count as one.
void AppendSortText(std::string& text, const CDatabase& store, const CEntryRecord& entry,
                    int firstStudio) {
    const CPersonRecord* gentleman = store.FindReferencedPerson(entry.gentleman);
    const CPersonRecord* lady = store.FindReferencedPerson(entry.lady);
    const bool gentlemanNamed = gentleman != nullptr && !gentleman->lastName.empty();
    const bool ladyNamed = lady != nullptr && !lady->lastName.empty();
    if ((entry.type == 'F' || entry.type == 'f') && gentlemanNamed && ladyNamed) {
        AppendNames(text, lady);
        AppendNames(text, gentleman);
    } else if (gentlemanNamed) {
        AppendNames(text, gentleman);
        AppendNames(text, lady);
    } else if (store.FindStudio(entry.owner) != nullptr) {
        text += "<All>";
    }
    AppendFormDescription(text, store, entry, 'S', firstStudio);
}

// The entries' positions in the report's order: by sort text, equal texts in store order. Each
// entry's form (`formOfEntry`) has its text in `sortTexts`.
std::vector<std::size_t> ReportOrder(const CTextTable& sortTexts,
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
    CTextTable sortTexts;
    CDenseNumbering<CFormKey, CFormKeyHash> formOf(store.entryArray.size() / 2);
    std::vector<std::size_t> formOfEntry;
    std::vector<int64_t> fees;
    formOfEntry.reserve(store.entryArray.size());
    fees.reserve(store.entryArray.size());
    std::string text;  // each form's texts are put together here, then kept in their table
    for (const auto& entry : store.entryArray) {
        const auto [form, added] = formOf.Number(FormKeyOf(*entry));
        if (added) {
            text.clear();
            AppendSortText(text, store, *entry, firstStudio);
            sortTexts.Add(text);
            text.clear();
            AppendCoupleLabel(text, store, *entry);
            charges.coupleLabels.Add(text);
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
