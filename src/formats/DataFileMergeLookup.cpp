#include "formats/DataFileMergeLookup.h"

#include <algorithm>
#include <functional>
#include <tuple>
#include <unordered_map>

#include "data/Database.h"

namespace {

// Each match rule is written once, as a key: the scan compares the keys of the stored records
// with the line's key, the index finds the line's key among them. Names compare ignoring case,
// which is what equal upper-case forms mean.

using CStudioKey = std::tuple<std::string, DATE, int32_t>;
using CPersonKey = std::tuple<std::string, std::string, char, char, DATE, int32_t>;
using CPurchaseKey =
    std::tuple<char, int32_t, int32_t, int32_t, int32_t, std::string, std::string, DATE, int32_t>;
using CEntryKey = std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, uint8_t, uint8_t, uint8_t,
                             char, std::string, DATE, int32_t>;
using CFormKey = std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, uint8_t, uint8_t, char>;

CStudioKey StudioKey(const std::string& name, DATE created, int32_t status) {
    return {ToUpperCodePage(name), created, status};
}
CStudioKey KeyOf(const CStudioRecord& s) {
    return StudioKey(s.name, s.created, s.status);
}

CPersonKey PersonKey(const CPersonMatch& m) {
    return {ToUpperCodePage(m.firstName),
            ToUpperCodePage(m.lastName),
            m.gender,
            m.classLetter,
            m.created,
            m.status};
}
CPersonKey KeyOf(const CPersonRecord& p) {
    return PersonKey({p.firstName, p.lastName, p.gender, p.classLetter, p.created, p.status});
}

CPurchaseKey PurchaseKey(const CPurchaseLine& l) {
    return {l.type,          l.studioNumber, l.purchaserNumber, l.itemNumber, l.quantity,
            l.purchaserName, l.itemName,     l.created,         l.status};
}
CPurchaseKey KeyOf(const CFinanceRecord& p) {
    return {p.type,          p.studioNumber, p.purchaserNumber, p.itemNumber, p.quantity,
            p.purchaserName, p.itemName,     p.created,         p.status};
}

CEntryKey EntryKey(const CEntryLine& l) {
    return {l.gentleman, l.lady, l.coach, l.owner,    l.categoryCode, l.dance,
            l.level,     l.age,  l.type,  l.teamName, l.created,      l.status};
}
CEntryKey KeyOf(const CEntryRecord& e) {
    return {e.gentleman, e.lady, e.coach, e.owner,    e.categoryCode, e.dance,
            e.level,     e.age,  e.type,  e.teamName, e.created,      e.status};
}

CFormKey FormKey(const CFormMatch& m) {
    return {m.gentleman, m.lady, m.coach, m.owner, m.categoryCode, m.level, m.age, m.entryType};
}
CFormKey FormKeyOf(const CEntryRecord& e) {
    return {e.gentleman, e.lady, e.coach, e.owner, e.categoryCode, e.level, e.age, e.type};
}
// Only an entry without a team name gives its form code to the entries read after it.
bool JoinableForm(const CEntryRecord& e) {
    return e.teamName.empty();
}

struct CKeyHash {
    template <class... T>
    size_t operator()(const std::tuple<T...>& key) const {
        size_t seed = 0;
        std::apply([&](const auto&... part) { (Mix(seed, part), ...); }, key);
        return seed;
    }
    template <class T>
    static void Mix(size_t& seed, const T& value) {
        seed ^= std::hash<T>()(value) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    }
};

template <class Key, class Value>
using CFirstOf = std::unordered_map<Key, Value, CKeyHash>;
template <class Value>
using CByNumber = std::unordered_map<int, Value>;

// The first record in array order that has the key.
template <class T, class Key>
T* ScanFor(const COwningArray<T>& array, size_t count, const Key& key) {
    count = std::min(count, array.size());
    for (size_t i = 0; i < count; ++i) {
        if (KeyOf(*array[i]) == key) {
            return array[i].get();
        }
    }
    return nullptr;
}

template <class T, class Value>
Value* Found(const std::unordered_map<T, Value*, CKeyHash>& map, const T& key) {
    const auto found = map.find(key);
    return found == map.end() ? nullptr : found->second;
}

template <class Value>
Value* Found(const CByNumber<Value*>& map, int number) {
    const auto found = map.find(number);
    return found == map.end() ? nullptr : found->second;
}

// What NextNumber gives, kept up to date as records are added.
class CNextNumber {
public:
    template <class T>
    explicit CNextNumber(const COwningArray<T>& array) : next_(NextNumber(array)) {}
    int Take() { return next_++; }

private:
    int next_;
};

}  // namespace

struct CMergeLookup::CIndexes {
    explicit CIndexes(const CDatabase& store)
        : nextStudio(store.studioArray),
          nextPerson(store.personArray),
          nextPurchase(store.purchaseArray),
          nextEntry(store.entryArray),
          nextFormCode(store.NextFormCode()),
          knownPurchases(store.purchaseArray.size()),
          knownEntries(store.entryArray.size()) {
        // emplace keeps the first record of each key and number: the one a scan finds.
        for (const auto& s : store.studioArray) {
            Index(*s);
        }
        for (const auto& p : store.personArray) {
            Index(*p);
        }
        for (size_t i = 0; i < store.purchaseArray.size(); ++i) {
            purchases.emplace(KeyOf(*store.purchaseArray[i]), i);
        }
        for (size_t i = 0; i < store.entryArray.size(); ++i) {
            entries.emplace(KeyOf(*store.entryArray[i]), i);
            Index(*store.entryArray[i]);
        }
        for (const auto& c : store.categoryArray) {
            categories.emplace(c->code, c.get());
        }
        for (const auto& p : store.packageArray) {
            packages.emplace(p->number, p.get());
        }
        for (const auto& i : store.priceListArray) {
            priceListItems.emplace(i->number, i.get());
        }
    }

    void Index(CStudioRecord& s) {
        studios.emplace(KeyOf(s), &s);
        studiosByNumber.emplace(s.number, &s);
    }
    void Index(CPersonRecord& p) {
        persons.emplace(KeyOf(p), &p);
        personsByNumber.emplace(p.number, &p);
    }
    void Index(const CEntryRecord& e) {
        if (JoinableForm(e)) {
            formCodes.emplace(FormKeyOf(e), e.formCode);
        }
        // Compared as unsigned numbers; -1 is no form code.
        if (e.formCode != -1 && static_cast<uint32_t>(e.formCode) >= nextFormCode) {
            nextFormCode = static_cast<uint32_t>(e.formCode) + 1;
        }
    }

    CFirstOf<CStudioKey, CStudioRecord*> studios;
    CFirstOf<CPersonKey, CPersonRecord*> persons;
    // Positions of the records the store held before; later ones are never looked for.
    CFirstOf<CPurchaseKey, size_t> purchases;
    CFirstOf<CEntryKey, size_t> entries;
    CFirstOf<CFormKey, int32_t> formCodes;
    CByNumber<CStudioRecord*> studiosByNumber;
    CByNumber<CPersonRecord*> personsByNumber;
    CByNumber<const CDanceCategory*> categories;
    CByNumber<const CPackageRecord*> packages;
    CByNumber<const CPriceListRecord*> priceListItems;
    CNextNumber nextStudio, nextPerson, nextPurchase, nextEntry;
    uint32_t nextFormCode;
    size_t knownPurchases, knownEntries;
};

CMergeLookup::CMergeLookup(CDatabase& store, CMergeLookupMode mode) : store_(store) {
    if (mode == CMergeLookupMode::kIndexed) {
        indexes_ = std::make_unique<CIndexes>(store);
    }
}

CMergeLookup::~CMergeLookup() = default;

CStudioRecord* CMergeLookup::FindStudio(const std::string& name, DATE created,
                                        int32_t status) const {
    const CStudioKey key = StudioKey(name, created, status);
    return indexes_ ? Found(indexes_->studios, key)
                    : ScanFor(store_.studioArray, store_.studioArray.size(), key);
}

CPersonRecord* CMergeLookup::FindPerson(const CPersonMatch& match) const {
    const CPersonKey key = PersonKey(match);
    return indexes_ ? Found(indexes_->persons, key)
                    : ScanFor(store_.personArray, store_.personArray.size(), key);
}

namespace {

// Whether a record with `key` stands among the first `knownCount` of `array`: the index holds
// the first position of each key among the records that were there when it was built; any
// record counted beyond those is scanned.
template <class T, class Key>
bool AmongKnown(const COwningArray<T>& array, const CFirstOf<Key, size_t>* index,
                size_t indexedCount, const Key& key, size_t knownCount) {
    knownCount = std::min(knownCount, array.size());
    if (index == nullptr) {
        return ScanFor(array, knownCount, key) != nullptr;
    }
    const auto found = index->find(key);
    if (found != index->end()) {
        return found->second < knownCount;
    }
    for (size_t i = indexedCount; i < knownCount; ++i) {
        if (KeyOf(*array[i]) == key) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool CMergeLookup::HasPurchase(const CPurchaseLine& line, size_t knownCount) const {
    return AmongKnown(store_.purchaseArray, indexes_ ? &indexes_->purchases : nullptr,
                      indexes_ ? indexes_->knownPurchases : 0, PurchaseKey(line), knownCount);
}

bool CMergeLookup::HasEntry(const CEntryLine& line, size_t knownCount) const {
    return AmongKnown(store_.entryArray, indexes_ ? &indexes_->entries : nullptr,
                      indexes_ ? indexes_->knownEntries : 0, EntryKey(line), knownCount);
}

int CMergeLookup::FormCodeFor(const CFormMatch& match) const {
    if (store_.entryArray.empty()) {
        return 1;
    }
    if (!indexes_) {
        return EntryFormCodeFor(store_, match);
    }
    const auto found = indexes_->formCodes.find(FormKey(match));
    return found != indexes_->formCodes.end() ? found->second
                                              : static_cast<int>(indexes_->nextFormCode);
}

int EntryFormCodeFor(const CDatabase& store, const CFormMatch& match) {
    if (store.entryArray.empty()) {
        return 1;
    }
    const CFormKey key = FormKey(match);
    for (const auto& e : store.entryArray) {
        if (JoinableForm(*e) && FormKeyOf(*e) == key) {
            return e->formCode;
        }
    }
    return store.NextFormCode();
}

CStudioRecord* CMergeLookup::StudioByNumber(int number) const {
    return indexes_ ? Found(indexes_->studiosByNumber, number) : store_.FindStudio(number);
}

CPersonRecord* CMergeLookup::PersonByNumber(int number) const {
    return indexes_ ? Found(indexes_->personsByNumber, number) : store_.FindPerson(number);
}

const CDanceCategory* CMergeLookup::Category(int code) const {
    return indexes_ ? Found(indexes_->categories, code) : store_.FindCategory(code);
}

const CPackageRecord* CMergeLookup::Package(int number) const {
    return indexes_ ? Found(indexes_->packages, number) : store_.FindPackage(number);
}

const CPriceListRecord* CMergeLookup::PriceListItem(int number) const {
    return indexes_ ? Found(indexes_->priceListItems, number) : store_.FindPriceListItem(number);
}

CStudioRecord& CMergeLookup::AddStudio(std::unique_ptr<CStudioRecord> studio) {
    studio->number = indexes_ ? indexes_->nextStudio.Take() : NextNumber(store_.studioArray);
    CStudioRecord& added = AppendRecord(store_.studioArray, std::move(studio));
    if (indexes_) {
        indexes_->Index(added);
    }
    return added;
}

CPersonRecord& CMergeLookup::AddPerson(std::unique_ptr<CPersonRecord> person) {
    person->number = indexes_ ? indexes_->nextPerson.Take() : NextNumber(store_.personArray);
    CPersonRecord& added = AppendRecord(store_.personArray, std::move(person));
    if (indexes_) {
        indexes_->Index(added);
    }
    return added;
}

void CMergeLookup::AddPurchase(std::unique_ptr<CFinanceRecord> purchase) {
    purchase->number = indexes_ ? indexes_->nextPurchase.Take() : NextNumber(store_.purchaseArray);
    AppendRecord(store_.purchaseArray, std::move(purchase));
}

void CMergeLookup::AddEntry(std::unique_ptr<CEntryRecord> entry) {
    entry->number = indexes_ ? indexes_->nextEntry.Take() : NextNumber(store_.entryArray);
    const CEntryRecord& added = AppendRecord(store_.entryArray, std::move(entry));
    if (indexes_) {
        indexes_->Index(added);
    }
}
