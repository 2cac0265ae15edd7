#include "support/StudioFixtures.h"

#include <fstream>
#include <iterator>
#include <random>

#include "util/SystemPath.h"

CTempDir::CTempDir() {
    std::random_device seed;
    for (;;) {
        path_ = std::filesystem::temp_directory_path() / ("tavorin-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(path_)) {
            break;
        }
    }
}

CTempDir::~CTempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(SystemPath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(SystemPath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

DATE MarchDate(int hour, int minute) {
    return MakeDate({2002, 3, 27, hour, minute, 0});
}

CDanceCategory& AddCategory(CDatabase& db, int code, const std::string& name,
                            const std::vector<CItemSpec>& dances,
                            const std::vector<CItemSpec>& levels,
                            const std::vector<CItemSpec>& ages) {
    auto category = std::make_unique<CDanceCategory>();
    category->code = code;
    category->name = name;
    category->listPosition = static_cast<int>(db.categoryArray.size());
    for (const auto& d : dances) {
        category->pcaDances.push_back({d.code, d.name, ""});
    }
    for (const auto& l : levels) {
        category->pcaLevels.push_back({l.code, l.name, 0});
    }
    for (const auto& a : ages) {
        category->pcaAges.push_back({a.code, a.name, "", 0, 0});
    }
    db.categoryArray.push_back(std::move(category));
    return *db.categoryArray.back();
}

CStudioRecord& AddStudio(CDatabase& db, const std::string& name, DATE created) {
    auto studio = std::make_unique<CStudioRecord>();
    studio->number = NextNumber(db.studioArray);
    studio->name = name;
    studio->kind = 'M';
    studio->created = created;
    return AppendRecord(db.studioArray, std::move(studio));
}

CPersonRecord& AddPersonRecord(CDatabase& db, char gender, char classLetter, uint8_t youth,
                               const std::string& firstName, const std::string& lastName,
                               DATE created) {
    auto person = std::make_unique<CPersonRecord>();
    person->number = NextNumber(db.personArray);
    person->gender = gender;
    person->classLetter = classLetter;
    person->youth = youth;
    person->firstName = firstName;
    person->lastName = lastName;
    person->created = created;
    return AppendRecord(db.personArray, std::move(person));
}

CEntryRecord& AddEntry(CDatabase& db, int categoryCode, uint8_t dance, char type, int gentleman,
                       int lady, int coach) {
    auto entry = std::make_unique<CEntryRecord>();
    entry->number = NextNumber(db.entryArray);
    entry->formCode = db.NextFormCode();
    entry->categoryCode = categoryCode;
    entry->dance = dance;
    entry->type = type;
    entry->gentleman = gentleman;
    entry->lady = lady;
    entry->coach = coach;
    entry->created = MarchDate(15, 0);
    return AppendRecord(db.entryArray, std::move(entry));
}

CFinanceRecord& AddPurchase(CDatabase& db, char type, int itemNumber, int purchaser,
                            const std::string& itemName, int64_t priceCents) {
    auto purchase = std::make_unique<CFinanceRecord>();
    purchase->number = NextNumber(db.purchaseArray);
    purchase->type = type;
    purchase->itemNumber = itemNumber;
    purchase->purchaserNumber = purchaser;
    purchase->purchaserName = purchaser == -1 ? "Studio" : "";
    purchase->itemName = itemName;
    purchase->price = priceCents;
    purchase->created = MarchDate(16, 0);
    return AppendRecord(db.purchaseArray, std::move(purchase));
}
