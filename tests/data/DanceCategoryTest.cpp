#include "data/DanceCategory.h"

#include <gtest/gtest.h>

namespace {

class DanceCategoryTest : public ::testing::Test {
protected:
    DanceCategoryTest() {
        c.pcaDances.push_back({1, "Cha Cha", ""});
        c.pcaDances.push_back({3, "Rumba", "slow"});
        c.pcaDances.push_back({6, "Swing", ""});
        c.pcaLevels.push_back({2, "Bronze", 0});
        c.pcaLevels.push_back({3, "Silver", 7});
        c.pcaAges.push_back({1, "Junior", "12-15", 1, 0});
        c.adultFee = 40;
        c.youthFee = 30;
    }
    CDanceCategory c;
};

TEST_F(DanceCategoryTest, ANewCategoryHasItsDefaults) {
    const CDanceCategory fresh;
    EXPECT_EQ(fresh.name, "New category");
    EXPECT_EQ(fresh.kind, 'C');
    EXPECT_TRUE(fresh.allowAdultProAm);
    EXPECT_FALSE(fresh.allowProfessional);
    EXPECT_EQ(fresh.styleNumber, 6);
    EXPECT_EQ(fresh.entryMark, 'A');
    EXPECT_FLOAT_EQ(fresh.factor, 1.8f);
    EXPECT_EQ(std::vector<uint8_t>(fresh.optionBytes, fresh.optionBytes + 6),
              (std::vector<uint8_t>{1, 0, 0, 1, 0, 1}));
    EXPECT_TRUE(fresh.pcaDances.empty() && fresh.adultFeeList.empty());
}

TEST_F(DanceCategoryTest, FindsItemsByCodeAsBytes) {
    EXPECT_EQ(c.FindDance(3), 1);
    EXPECT_EQ(c.FindDance(2), -1);
    EXPECT_EQ(c.FindLevel(3), 1);
    EXPECT_EQ(c.FindLevel(255), -1);
    c.pcaLevels.push_back({255, "Open", 0});
    EXPECT_EQ(c.FindLevel(255), 2);
    EXPECT_EQ(c.FindAge(1), 0);
}

TEST_F(DanceCategoryTest, ASingleNamelessItemCountsAsNone) {
    EXPECT_EQ(c.DanceCount(), 3);
    EXPECT_EQ(c.AgeCount(), 1);
    CDanceCategory team;
    team.pcaDances.push_back({0, "", ""});
    EXPECT_EQ(team.DanceCount(), 0);
    EXPECT_EQ(team.LevelCount(), 0);
    team.pcaDances.push_back({1, "", ""});
    EXPECT_EQ(team.DanceCount(), 2);
}

TEST_F(DanceCategoryTest, EntryDetailsNameTheChoicesAndCarryTheFees) {
    const CategoryEntryDetails d = c.EntryDetails(3, 3, 1);
    EXPECT_EQ(d.danceName, "Rumba");
    EXPECT_EQ(d.danceSecondText, "slow");
    EXPECT_EQ(d.levelName, "Silver");
    EXPECT_EQ(d.levelMark, 7);
    EXPECT_EQ(d.ageName, "Junior");
    EXPECT_EQ(d.ageYouth, 1);
    EXPECT_EQ(d.adultFee, 40);
    EXPECT_EQ(d.youthFee, 30);
    EXPECT_EQ(d.unitCount, 1);
}

TEST_F(DanceCategoryTest, AnUnknownDanceIsATeamMatchOrShowDanceAndCostsTheCategoryFee) {
    c.feeBasis = 'D';
    c.adultFeeList = {50, 60, 70};
    c.youthFeeList = {35, 45, 55};
    c.style = 'T';
    EXPECT_EQ(c.EntryDetails(9, 2, 1).danceName, "Team match");
    EXPECT_EQ(c.EntryDetails(9, 2, 1).adultFee, 40);
    c.style = 'Q';
    EXPECT_EQ(c.EntryDetails(9, 2, 1).danceName, "Show Dance");
    c.style = 'S';
    EXPECT_EQ(c.EntryDetails(9, 2, 1).danceName, "");
    EXPECT_EQ(c.EntryDetails(9, 2, 1).youthFee, 30);
    EXPECT_EQ(c.EntryDetails(6, 2, 1).adultFee, 70);
    EXPECT_EQ(c.EntryDetails(6, 2, 1).youthFee, 55);
}

TEST_F(DanceCategoryTest, FeeListsShorterThanTheirItemsFallBackToTheCategoryFee) {
    c.feeBasis = 'D';
    c.adultFeeList = {50, 60};
    c.youthFeeList = {35};
    EXPECT_EQ(c.EntryDetails(3, 2, 1).adultFee, 60);
    EXPECT_EQ(c.EntryDetails(3, 2, 1).youthFee, 30);
    EXPECT_EQ(c.EntryDetails(6, 2, 1).adultFee, 40);
    c.feeBasis = 'L';
    EXPECT_EQ(c.EntryDetails(6, 2, 1).adultFee, 50);  // level Bronze is first
    EXPECT_EQ(c.EntryDetails(6, 9, 1).adultFee, 40);  // no such level
    c.feeBasis = 'A';
    EXPECT_EQ(c.EntryDetails(1, 2, 1).adultFee, 40);
}

TEST_F(DanceCategoryTest, UnitCountsAreClampedToOneToFour) {
    c.unitCountBasis = 'D';
    c.unitCountList = {0, 9, 3};
    EXPECT_EQ(c.EntryDetails(1, 2, 1).unitCount, 1);
    EXPECT_EQ(c.EntryDetails(3, 2, 1).unitCount, 4);
    EXPECT_EQ(c.EntryDetails(6, 2, 1).unitCount, 3);
    c.unitCountBasis = 'L';
    EXPECT_EQ(c.EntryDetails(6, 3, 1).unitCount, 4);
    c.unitCountBasis = 'A';
    c.unitCount = 0;
    EXPECT_EQ(c.EntryDetails(6, 3, 1).unitCount, 1);
}

TEST_F(DanceCategoryTest, EntryTypesSeeOnlyTheCategoriesThatAdmitThem) {
    c.allowAdultProAm = false;
    c.allowYouthProAm = true;
    c.allowAdultAmateur = true;
    EXPECT_FALSE(c.AllowsEntryType('F'));
    EXPECT_FALSE(c.AllowsEntryType('M'));
    EXPECT_TRUE(c.AllowsEntryType('f'));
    EXPECT_TRUE(c.AllowsEntryType('m'));
    EXPECT_TRUE(c.AllowsEntryType('A'));
    EXPECT_FALSE(c.AllowsEntryType('a'));
    EXPECT_FALSE(c.AllowsEntryType('P'));
    EXPECT_FALSE(c.AllowsEntryType('G'));
    c.kind = 'G';
    EXPECT_TRUE(c.AllowsEntryType('G'));
    EXPECT_FALSE(c.AllowsEntryType('A'));
}

}  // namespace
