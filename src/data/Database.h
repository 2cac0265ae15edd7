#pragma once
// The one in-memory store: the competition loaded from the setup file and the studio's own data.
// It owns every record in its seven arrays. The operations that read and change it live beside
// the subsystems that use them.
#include <memory>
#include <string>
#include <vector>

#include "data/DataFileLayout.h"
#include "data/RecordArrays.h"
#include "data/Records.h"
#include "entries/DanceCategory.h"
#include "util/Text.h"

class CListModel;
class CUi;

class CDatabase {
public:
    explicit CDatabase(CUi& ui) : ui(ui) {}
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Writes the data file, then empties the studio's arrays, and the competition's too unless
    // `keepSetup`.
    void SaveAndClear(bool keepSetup);

    // --- setup file ---
    // Reads `setupPath` into the store (only its first line in header-only mode). 1 when read,
    // 0 when the file cannot be opened or its header is invalid.
    int LoadSetupFile(const std::string& setupPath, bool headerOnly);
    int CheckSetupHeader(const std::string& headerLine);
    void ParseCategoryRecord(CStringList& record);
    void ParsePriceListRecord(CStringList& record);
    void ParsePackageRecord(CStringList& record);

    // --- studio data (persons/StudioData.cpp)
    // Runs the studio dialog on the first studio and writes the data file after OK; without a
    // studio only "Error - no studio".
    void EditStudioData();
    // Asks for a new studio; on OK appends it, names the data file after it and writes the file.
    // 1 when a studio was created, 0 when the user cancelled.
    int NewStudio();
    // The data file a studio of that name gets beside the setup file.
    std::string DataFileNameForStudio(const std::string& studioName) const;

    // --- persons, look-ups by number, merging data-file lines (PersonStore.cpp, DataFileMerge.cpp)
    // Run the person data dialog on a new or a stored person; 1 when it ended with OK (the data
    // file is then written), 0 when the user cancelled.
    int AddPerson();
    int EditPerson(int personNumber);
    // Removes the person with his or her entries (as gentleman or lady) and purchases, then writes
    // the data file whether or not the person existed. 1 when a person was removed.
    int DeletePerson(int personNumber);
    // The first record with that number (or category code), or nullptr.
    CStudioRecord* FindStudio(int studioNumber) const;
    CPersonRecord* FindPerson(int personNumber) const;
    CPackageRecord* FindPackage(int packageNumber) const;
    CPriceListRecord* FindPriceListItem(int itemNumber) const;
    CEntryRecord* FindEntry(int entryNumber) const;
    CDanceCategory* FindCategory(int categoryCode, int* position = nullptr) const;
    // One more than the highest roommate group any person carries, or 1.
    int NextRoommateGroup() const;
    // Turn the sub-records of a data-file line into records, finding those already stored. The
    // own-record flag marks the line's subject, whose stored texts then take the line's values.
    // Each returns the record's number, or -1 when the sub-record names none.
    int MergeStudio(const CStringList& fields, int position, bool ownRecord);
    int MergePerson(const CStringList& fields, int position, bool ownRecord, int studioNumber,
                    CPersonRecord** personOut = nullptr);
    // Only the first `knownCount` purchases (entries) can be found again: the lines of one file
    // are all distinct records, while a line may repeat a record the store held before reading.
    int MergePurchase(const CPurchaseLine& line, size_t knownCount);
    void MergeEntry(const CEntryLine& line, const CDanceCategory& category,
                    const std::vector<int32_t>& dancers, size_t knownCount);
    // 1 when the comment was attached or already there, 0 when neither person nor studio exists.
    int MergeComment(uint8_t first, uint8_t second, const std::string& text, int studioNumber,
                     int personNumber);
    // The form code that an entry read from the data file joins.
    int EntryFormCodeFor(int gentleman, int lady, int coach, int owner, int categoryCode,
                         uint8_t level, uint8_t age, char entryType) const;

    // --- studio data file (delivery/DataFileWriter.cpp, delivery/DataFileReader.cpp)
    // Writes the whole studio side to `path` (callers pass dataFileName). The file is replaced
    // only once the new one is complete; a failure is shown to the user and returns false, the
    // old file staying as it was. No studio: "Error - no studio", nothing written, false.
    bool WriteDataFile(const std::string& path);
    // Reads dataFileName into the (empty) studio side. false when the file cannot be opened.
    bool ReadDataFile();
    // The sub-records as written, each field followed by the separator.
    std::string FormatStudioRecord(int studioNumber) const;
    std::string FormatPersonRecord(int personNumber) const;
    // Clears roommate groups that only one person carries.
    void DropLoneRoomGroups();
    // Records on each buyer of a hotel package that package's number.
    void AssignHotelPackages();

    // --- store queries and lists (StoreQueries.cpp)
    // The first studio's name reduced for file names; "Error - no studio" and "" without one.
    std::string StudioFileNamePart();
    // The person's name in `nameMode` (1 "Last, First", else "First Last"); "" for no person.
    std::string PersonNameText(int personNumber, int nameMode) const;
    // "Select person", multiple selection over the persons that pass the letter filters (0 lets
    // every person pass). Returns the list dialog's result (1 OK, 2 Cancel); the chosen person
    // numbers are in `chosen`.
    int SelectPerson(char classFilter, char genderFilter, std::vector<int>& chosen);
    // Lists the persons of one category (7: all) in `combo`, "Last, First" with the person number
    // as item data, selecting `numberToSelect`; optionally emptied first and led by "<None>" (-1).
    void FillPersonCombo(CListModel& combo, int categoryFilter, int numberToSelect, bool reset,
                         bool addNone) const;
    void ListStudios(CStringList& texts, std::vector<int>& numbers) const;
    // Letter filters 0 and youth filter -1 let everyone pass; an unset letter passes its filter.
    void ListPersons(char classFilter, char genderFilter, int youthFilter, CStringList& texts,
                     std::vector<int>& numbers) const;
    // One more than the highest form code in use, or 1.
    int NextFormCode() const;
    // Removes the entry and writes the data file; an unknown number changes nothing.
    void DeleteEntry(int entryNumber);

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
};
