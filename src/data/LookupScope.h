#pragma once
// Look-ups by number in constant time for the length of one operation that reads the whole
// store: a save, the summary report, the forms list. Such an operation looks up the persons,
// categories and packages of every entry and purchase, tens of thousands of times; a scan of
// the array for each would make it quadratic in the size of the studio.
//
// While a scope lives, the store's Find* answer from indexes built when it began, with the same
// result as the scan: the first record of each number. The operation may change fields, but
// must neither add, remove nor renumber records. Should it do so all the same, a record found
// is used only while it still stands at its place with its number, and an array whose size
// changed is scanned again. Scopes nest: the inner one serves until it ends.
#include <cstddef>
#include <unordered_map>

class CDatabase;
class CDanceCategory;
class CEntryRecord;
class CPackageRecord;
class CPersonRecord;
class CPriceListRecord;
class CStudioRecord;

// The first record of each number in one array, with its position, and the array's size when
// the table was built.
template <class T>
struct CNumberTable {
    struct CPlace {
        T* record;
        std::size_t position;
    };
    std::unordered_map<int, CPlace> first;
    std::size_t size = 0;
};

struct CNumberIndex {
    explicit CNumberIndex(const CDatabase& store);

    CNumberTable<CStudioRecord> studios;
    CNumberTable<CPersonRecord> persons;
    CNumberTable<CPackageRecord> packages;
    CNumberTable<CPriceListRecord> priceListItems;
    CNumberTable<CEntryRecord> entries;
    CNumberTable<CDanceCategory> categories;  // by code
};

class CLookupScope {
public:
    explicit CLookupScope(CDatabase& store);
    ~CLookupScope();
    CLookupScope(const CLookupScope&) = delete;
    CLookupScope& operator=(const CLookupScope&) = delete;

private:
    CDatabase& store_;
    CNumberIndex index_;
    const CNumberIndex* outer_;
};
