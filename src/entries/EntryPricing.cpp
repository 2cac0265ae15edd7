#include "entries/EntryPricing.h"

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

}  // namespace

int64_t EntryPrice(const CDatabase& store, const CDanceCategory& category,
                   const CEntryRecord& entry) {
    // The fees without the names: the report prices every entry.
    const CDanceCategory::Fees fees = category.EntryFees(entry.dance, entry.level);
    const bool youth = IsYouthEntry(entry.type);
    int64_t fee = youth ? fees.youth : fees.adult;
    if (SetNPInc(store, entry.gentleman, entry.lady, entry.type) == 1) {
        fee += youth ? category.youthExtraFee : category.adultExtraFee;
    }
    return fee;
}

int64_t EntryFee(const CDatabase& store, const CEntryRecord& entry) {
    const CDanceCategory* category = store.FindCategory(entry.categoryCode);
    return category != nullptr ? EntryPrice(store, *category, entry) : 0;
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
    const CPersonRecord* person = store.FindReferencedPerson(personNumber);
    if (person == nullptr || person->dancePackage == -1) {
        return false;
    }
    const CPackageRecord* package = store.FindPackage(person->dancePackage);
    return package != nullptr && (package->coversEntries == 1 || package->coversEntries == '1');
}

std::vector<int> PersonsBringingSurcharge(const CDatabase& store, int gentleman, int lady,
                                          char entryType) {
    if (SetNPInc(store, gentleman, lady, entryType) != 1) {
        return {};
    }
    std::vector<int> persons;
    const auto nameIfWithout = [&](int person) {
        if (!HasHotelPackage(store, person)) {
            persons.push_back(person);
        }
    };
    const bool ladyProAm = entryType == 'F' || entryType == 'f';
    const bool gentlemanProAm = entryType == 'M' || entryType == 'm';
    if (ladyProAm || gentlemanProAm) {
        const int teacher = ladyProAm ? gentleman : lady;
        const int student = ladyProAm ? lady : gentleman;
        if (store.proAmPackageRule != 'S') {
            nameIfWithout(teacher);
        }
        if (store.proAmPackageRule != 'T') {
            nameIfWithout(student);
        }
    } else {
        nameIfWithout(gentleman);
        nameIfWithout(lady);
    }
    return persons;
}
