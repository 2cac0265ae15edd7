#pragma once
// Building blocks for tests of the studio side: a scratch directory, small categories and
// records made in code, and whole-file reads and writes.
#include <filesystem>
#include <string>
#include <vector>

#include "data/Database.h"

// A fresh directory under the system's temporary directory, removed with everything in it.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    // The path of `name` inside the directory.
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// 27 March 2002 at `hour`:`minute`.
DATE MarchDate(int hour, int minute);

// A category with dances, levels and ages, given as (code, name) pairs.
struct CItemSpec {
    uint8_t code;
    std::string name;
};
CDanceCategory& AddCategory(CDatabase& db, int code, const std::string& name,
                            const std::vector<CItemSpec>& dances,
                            const std::vector<CItemSpec>& levels,
                            const std::vector<CItemSpec>& ages);

CStudioRecord& AddStudio(CDatabase& db, const std::string& name, DATE created = MarchDate(14, 5));
// gender 0 and class 0 make a non-competitor.
CPersonRecord& AddPersonRecord(CDatabase& db, char gender, char classLetter, uint8_t youth,
                               const std::string& firstName, const std::string& lastName,
                               DATE created = MarchDate(14, 5));
CEntryRecord& AddEntry(CDatabase& db, int categoryCode, uint8_t dance, char type, int gentleman,
                       int lady, int coach = -1);
CFinanceRecord& AddPurchase(CDatabase& db, char type, int itemNumber, int purchaser,
                            const std::string& itemName, int64_t priceCents);
