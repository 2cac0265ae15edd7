#include "report/ReportTestStore.h"

#include "support/StudioFixtures.h"

namespace {

PriceBlock SamePrice(int64_t cents) {
    PriceBlock block;
    block.prices.fill(cents);
    return block;
}

}  // namespace

CReportTestStore::CReportTestStore() {
    db.proAmPackageRule = 'T';
    db.amateurPackageRule = 'S';
    db.professionalPackageRule = 'N';
    db.showDancePrices = 1;

    CDanceCategory& latin = AddCategory(db, kLatin, "Latin", {{1, "Cha Cha"}, {2, "Rumba"}},
                                        {{1, "Bronze"}}, {{1, "Adult"}});
    latin.adultFee = 3800;  // cents, as every amount
    latin.youthFee = 3000;
    latin.adultExtraFee = 2000;
    latin.youthExtraFee = 1500;
    CDanceCategory& formation =
        AddCategory(db, kFormation, "Formation", {}, {{8, "Open"}}, {{3, "Adult Teams"}});
    formation.kind = 'G';
    formation.style = 'T';
    formation.adultFee = 24000;

    auto room = std::make_unique<CPriceListRecord>();
    room->number = kRoom;
    room->kind = 'R';
    room->name = "Hotel Room";
    room->prices = SamePrice(25000);
    db.priceListArray.push_back(std::move(room));
    auto pass = std::make_unique<CPriceListRecord>();
    pass->number = kDayPass;
    pass->name = "Day Pass";
    pass->prices = SamePrice(3500);
    db.priceListArray.push_back(std::move(pass));
    auto package = std::make_unique<CPackageRecord>();
    package->number = kHotelPackage;
    package->name = "Weekend with Hotel";
    package->coversEntries = 1;
    package->prices = SamePrice(40000);
    package->itemNumbers = {kDayPass, kRoom};
    db.packageArray.push_back(std::move(package));

    AddStudio(db, "Star Dance");
    AddPersonRecord(db, 'M', 'P', 0, "Michael", "Turner");
    AddPersonRecord(db, 'F', 'A', 0, "Sarah", "Collins");
    AddPersonRecord(db, 0, 0, 0, "Grace", "Kim");
    AddPersonRecord(db, 'M', 'A', 0, "David", "Park");
    AddPersonRecord(db, 'F', 'A', 1, "Emily", "Chen");
}

CEntryRecord& CReportTestStore::AddLatin(uint8_t dance, char type, int gentleman, int lady) {
    CEntryRecord& entry = AddEntry(db, kLatin, dance, type, gentleman, lady);
    entry.level = 1;
    entry.age = 1;
    entry.owner = db.studioArray.front()->number;
    return entry;
}
