#pragma once
// Finding the stored record that a data-file sub-record names, and appending the ones not found.
// Every rule picks the first match in store order. A file names each studio and person on its
// own line and again on every line that refers to it, so a whole read looks up the same records
// tens of thousands of times: the reader builds the look-ups once into hash indexes, which its
// own additions keep up to date. The plain scan of the arrays serves a single merge, and is the
// reference that the indexes must agree with.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "formats/DataFileLayout.h"
#include "util/Dates.h"

class CDatabase;
class CDanceCategory;
class CEntryRecord;
class CFinanceRecord;
class CPackageRecord;
class CPersonRecord;
class CPriceListRecord;
class CStudioRecord;

enum class CMergeLookupMode { kScan, kIndexed };

// What identifies a person on a data-file line. The youth flag takes no part: a person may have
// grown up since the line was written.
struct CPersonMatch {
    std::string firstName, lastName;
    char gender = 0;
    char classLetter = 0;
    DATE created = 0;
    int32_t status = 0;
};

// What an entry shares with the other dances of its form.
struct CFormMatch {
    int gentleman = -1, lady = -1, coach = -1, owner = -1, categoryCode = -1;
    uint8_t level = 0, age = 0;
    char entryType = 0;
};

class CMergeLookup {
public:
    // Indexed: the indexes are built now from the store, which from then on must change only
    // through this object until it is destroyed (as during one read).
    CMergeLookup(CDatabase& store, CMergeLookupMode mode);
    ~CMergeLookup();
    CMergeLookup(const CMergeLookup&) = delete;
    CMergeLookup& operator=(const CMergeLookup&) = delete;

    // Studios match by name ignoring case, creation time and status number.
    CStudioRecord* FindStudio(const std::string& name, DATE created, int32_t status) const;
    CPersonRecord* FindPerson(const CPersonMatch& match) const;
    // Whether one of the first `knownCount` purchases (entries) is the line's: the same values,
    // the price (amount) taking no part.
    bool HasPurchase(const CPurchaseLine& line, size_t knownCount) const;
    bool HasEntry(const CEntryLine& line, size_t knownCount) const;
    // EntryFormCodeFor (below).
    int FormCodeFor(const CFormMatch& match) const;

    CStudioRecord* StudioByNumber(int number) const;
    CPersonRecord* PersonByNumber(int number) const;
    const CDanceCategory* Category(int code) const;
    const CPackageRecord* Package(int number) const;
    const CPriceListRecord* PriceListItem(int number) const;

    // Each appends the record under the next free number of its array and returns it.
    CStudioRecord& AddStudio(std::unique_ptr<CStudioRecord> studio);
    CPersonRecord& AddPerson(std::unique_ptr<CPersonRecord> person);
    void AddPurchase(std::unique_ptr<CFinanceRecord> purchase);
    void AddEntry(std::unique_ptr<CEntryRecord> entry);

private:
    struct CIndexes;
    CDatabase& store_;
    std::unique_ptr<CIndexes> indexes_;  // none for the plain scan
};

// The form code that an entry read from the data file joins: that of the first stored entry of
// the same form without a team name, else the next free one (1 in a store without entries). The
// dance takes no part, so the dances of one form read back into one form.
int EntryFormCodeFor(const CDatabase& store, const CFormMatch& match);
