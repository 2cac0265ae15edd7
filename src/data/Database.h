#pragma once
// The one in-memory store: the competition loaded from the setup file and the studio's own data.
// It owns every record in its seven arrays. It neither reads nor writes files and never opens a
// dialog: the file formats and the steps that change the studio are functions over it.
#include <memory>
#include <string>
#include <vector>

#include "data/DanceCategory.h"
#include "data/RecordArrays.h"
#include "data/Records.h"
#include "util/Text.h"

class CUi;
struct CNumberIndex;

class CDatabase {
public:
    explicit CDatabase(CUi& ui) : ui(ui) {}
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Empties the studio's arrays, and the competition's too unless `keepSetup`.
    void Clear(bool keepSetup);

    // The first record with that number (or category code), or nullptr. Within a CLookupScope
    // in constant time, else by a scan of the array.
    CStudioRecord* FindStudio(int studioNumber) const;
    CPersonRecord* FindPerson(int personNumber) const;
    CPackageRecord* FindPackage(int packageNumber) const;
    CPriceListRecord* FindPriceListItem(int itemNumber) const;
    CEntryRecord* FindEntry(int entryNumber) const;
    // The person a record refers to: none for -1 without a look-up, else FindPerson.
    CPersonRecord* FindReferencedPerson(int personNumber) const {
        return personNumber == -1 ? nullptr : FindPerson(personNumber);
    }
    CDanceCategory* FindCategory(int categoryCode, int* position = nullptr) const;
    // One more than the highest roommate group any person carries, or 1.
    int NextRoommateGroup() const;
    // One more than the highest form code in use, or 1.
    int NextFormCode() const;

    // Clears roommate groups that only one person carries.
    void DropLoneRoomGroups();
    // Records on each buyer of a hotel package that package's number, and clears it on everyone
    // else.
    void AssignHotelPackages();

    // The first studio's name reduced for file names; "Error - no studio" and "" without one.
    std::string StudioFileNamePart();
    // The person's name in `nameMode` (1 "Last, First", else "First Last"); "" for no person.
    std::string PersonNameText(int personNumber, int nameMode) const;
    void ListStudios(CStringList& texts, std::vector<int>& numbers) const;

    CUi& ui;

    std::string fieldSeparator;
    char proAmPackageRule = 0;
    char amateurPackageRule = 0;
    char professionalPackageRule = 0;
    uint8_t showDancePrices = 0;
    std::string setupFileName;
    std::string dataFileName;
    // From the setup header: shown in the main window's title and used as the e-mail recipient.
    std::string competitionName;
    std::string organizerAddress;

    COwningArray<CDanceCategory> categoryArray;
    COwningArray<CPriceListRecord> priceListArray;
    COwningArray<CPackageRecord> packageArray;
    COwningArray<CStudioRecord> studioArray;  // the first one is the studio whose data this is
    COwningArray<CPersonRecord> personArray;
    COwningArray<CFinanceRecord> purchaseArray;
    COwningArray<CEntryRecord> entryArray;

private:
    friend class CLookupScope;
    CNumberIndex* numberIndex_ = nullptr;  // the innermost scope's, or none
};
