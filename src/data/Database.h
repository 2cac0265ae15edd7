#pragma once
// The one in-memory store: the competition loaded from the setup file and the studio's own data.
// It owns every record in its seven arrays. The operations that read and change it live beside
// the subsystems that use them.
#include <memory>
#include <string>
#include <vector>

#include "data/Records.h"
#include "entries/DanceCategory.h"
#include "util/Text.h"

class CUi;

template <class T>
using COwningArray = std::vector<std::unique_ptr<T>>;

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
