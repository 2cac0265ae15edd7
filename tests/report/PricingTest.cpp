// What an entry costs under the package rules, and what the purchases amount to item by item.
#include <gtest/gtest.h>

#include "report/Pricing.h"
#include "report/ReportTestStore.h"
#include "support/StudioFixtures.h"

namespace {

class PricingTest : public ::testing::Test, public CReportTestStore {
protected:
    // In whole units: the store's fees are whole.
    int64_t Price(const CEntryRecord& entry) {
        return EntryPrice(db, *db.FindCategory(kLatin), entry) / 100;
    }
    // Buys the hotel package for the person and records it as a save would.
    void BuyHotel(int person) {
        AddPurchase(db, 'P', kHotelPackage, person, "Weekend with Hotel", 40000);
        db.AssignHotelPackages();
    }
};

TEST_F(PricingTest, SurchargeRulesForProAmAndCouples) {
    const CEntryRecord& ladyProAm = AddLatin(1, 'F', kTurner, kCollins);
    const CEntryRecord& gentProAm = AddLatin(1, 'm', kPark, kChen);
    const CEntryRecord& amateurs = AddLatin(1, 'A', kPark, kCollins);
    const CEntryRecord& professionals = AddLatin(1, 'P', kTurner, kChen);
    const CEntryRecord& team = AddLatin(1, 'G', -1, -1);

    // Nobody has a package: T charges the lady's teacher, S the couples, N charges everyone.
    EXPECT_EQ(Price(ladyProAm), 58);
    EXPECT_EQ(Price(gentProAm), 45);  // youth fee 30 + youth surcharge 15
    EXPECT_EQ(Price(amateurs), 58);
    EXPECT_EQ(Price(professionals), 58);
    EXPECT_EQ(Price(team), 38);

    // The student's package does not help under T: the teacher is the gentleman of an F entry.
    BuyHotel(kCollins);
    EXPECT_EQ(Price(ladyProAm), 58);
    // Rule S for couples: one of the two is not enough; rule N: one is enough.
    EXPECT_EQ(Price(amateurs), 58);
    BuyHotel(kTurner);
    EXPECT_EQ(Price(ladyProAm), 38);
    EXPECT_EQ(Price(professionals), 38);
    db.professionalPackageRule = 'S';
    EXPECT_EQ(Price(professionals), 58);

    // Under S pro/am charges when the student has none; in an m entry the lady is the teacher.
    db.proAmPackageRule = 'S';
    EXPECT_EQ(SetNPInc(db, kTurner, kCollins, 'F'), 0);
    EXPECT_EQ(SetNPInc(db, kTurner, kCollins, 'M'), 0);
    EXPECT_EQ(SetNPInc(db, kPark, kChen, 'm'), 1);
    BuyHotel(kPark);
    EXPECT_EQ(Price(gentProAm), 30);
    EXPECT_EQ(Price(amateurs), 38);
    db.proAmPackageRule = 'T';
    EXPECT_EQ(Price(gentProAm), 45);
    db.proAmPackageRule = 'N';
    EXPECT_EQ(Price(gentProAm), 30);
    // An unknown rule letter never charges.
    db.proAmPackageRule = 'X';
    EXPECT_EQ(SetNPInc(db, -1, -1, 'F'), 0);

    // A package that is not a hotel package, or is gone from the setup, covers nothing; the
    // setup's flag may also be the character '1'.
    db.FindPackage(kHotelPackage)->coversEntries = 0;
    EXPECT_FALSE(HasHotelPackage(db, kTurner));
    db.FindPackage(kHotelPackage)->coversEntries = '1';
    EXPECT_TRUE(HasHotelPackage(db, kTurner));
    db.packageArray.clear();
    EXPECT_FALSE(HasHotelPackage(db, kTurner));
    EXPECT_FALSE(HasHotelPackage(db, -1));

    EXPECT_EQ(EntryCountOfPerson(db, kPark), 2u);
    EXPECT_EQ(EntryCountOfPerson(db, kKim), 0u);
    EXPECT_EQ(EntryCountOfPerson(db, -1), 0u);
}

TEST_F(PricingTest, PurchasesExpandIntoTheirItemsAllAtOnceOrPieceByPiece) {
    AddPurchase(db, 'P', kHotelPackage, kTurner, "Weekend with Hotel", 40000).quantity = 2;
    AddPurchase(db, 'O', kRoom, kKim, "Hotel Room", 25000);
    AddPurchase(db, 'O', 77, kKim, "Gone", 1000);
    AddPurchase(db, 'P', 77, kKim, "Gone too", 1000);
    AddPurchase(db, 'X', kRoom, kKim, "Unknown kind", 1000);
    db.FindPackage(kHotelPackage)->itemNumbers.push_back(78);  // an item the setup lacks

    const auto summary = [](const CItemLineList& lines) {
        std::vector<std::vector<int>> rows;
        for (const auto& line : lines) {
            rows.push_back({line.purchaserNumber, line.itemNumber, line.packageNumber, line.count,
                            line.itemKind, line.studioNumber});
        }
        return rows;
    };
    CItemLineList all;
    ExpandPurchases(db, 'A', all);
    EXPECT_EQ(summary(all), (std::vector<std::vector<int>>{
                                {kTurner, kDayPass, kHotelPackage, 2, 'O', -1},
                                {kTurner, kRoom, kHotelPackage, 2, 'R', -1},
                                {kKim, kRoom, -1, 1, 'R', -1},
                            }));
    CItemLineList rooms{{9, 9, 9, 'R', 9, 9}};  // appended to, not replaced
    ExpandPurchases(db, 'R', rooms);
    EXPECT_EQ(summary(rooms), (std::vector<std::vector<int>>{
                                  {9, 9, 9, 9, 'R', 9},
                                  {kTurner, kRoom, kHotelPackage, 1, 'R', -1},
                                  {kTurner, kRoom, kHotelPackage, 1, 'R', -1},
                                  {kKim, kRoom, -1, 1, 'R', -1},
                              }));

    EXPECT_EQ(HasRoomItem(kTurner, all), 1);
    EXPECT_EQ(HasRoomItem(kKim, rooms), 1);
    EXPECT_EQ(HasRoomItem(kCollins, all), 0);
    CItemLineList passes;
    ExpandPurchases(db, 'O', passes);
    EXPECT_EQ(HasRoomItem(kTurner, passes), 0);
}

}  // namespace
