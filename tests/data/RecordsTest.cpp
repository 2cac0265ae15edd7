#include "data/Records.h"

#include <gtest/gtest.h>

#include "data/DanceCategory.h"

namespace {

CPersonRecord Person(char gender, char classLetter, uint8_t youth) {
    CPersonRecord person;
    person.gender = gender;
    person.classLetter = classLetter;
    person.youth = youth;
    return person;
}

PriceBlock OneToTen(DATE switchDate) {
    PriceBlock block;
    for (int i = 0; i < 10; ++i) {
        block.prices[i] = i + 1;
    }
    block.switchDate = switchDate;
    return block;
}

TEST(PriceBlock, EarlyPricesApplyBeforeTheSwitchDateAndLatePricesFromIt) {
    const CPersonRecord adult = Person('F', 'A', 0);
    const CPersonRecord youth = Person('F', 'A', 1);
    const CPersonRecord pro = Person('M', 'P', 0);
    const CPersonRecord guest = Person(0, 0, 0);
    const DATE today = TodayAtNoon();

    CPriceListRecord item;
    item.prices = OneToTen(today + 1);  // switches tomorrow
    EXPECT_EQ(item.Price(&adult), 6);
    EXPECT_EQ(item.Price(&youth), 7);
    EXPECT_EQ(item.Price(&pro), 8);
    EXPECT_EQ(item.Price(&guest), 9);
    EXPECT_EQ(item.Price(nullptr), 10);

    CPackageRecord package;
    package.prices = OneToTen(today);  // switches today
    EXPECT_EQ(package.Price(&adult), 1);
    EXPECT_EQ(package.Price(&youth), 2);
    EXPECT_EQ(package.Price(&pro), 3);
    EXPECT_EQ(package.Price(&guest), 4);
    EXPECT_EQ(package.Price(nullptr), 5);
}

TEST(PriceBlock, NewRecordsStartWithNoPricesSwitchingToday) {
    const CPriceListRecord item;
    EXPECT_EQ(item.kind, 'O');
    EXPECT_EQ(item.extraNumber, 1);
    EXPECT_EQ(item.spareNumber, -1);
    EXPECT_EQ(item.prices.switchDate, TodayAtNoon());
    EXPECT_EQ(item.Price(nullptr), 0);
}

TEST(PersonRecord, FormatsItsNameInEitherOrder) {
    CPersonRecord ann = Person('F', 'A', 0);
    ann.firstName = "Ann";
    ann.lastName = "Lee";
    std::string last, first;
    char classLetter = 0;
    EXPECT_EQ(ann.FormatPersonName(1, &last, &first, &classLetter), "Lee, Ann");
    EXPECT_EQ(last, "Lee");
    EXPECT_EQ(first, "Ann");
    EXPECT_EQ(classLetter, 'A');
    EXPECT_EQ(ann.FormatPersonName(0), "Ann Lee");
    EXPECT_EQ(ann.FormatPersonName(2), "Ann Lee");
}

TEST(PersonRecord, TypeCodesMatchThePersonFilters) {
    EXPECT_EQ(Person('M', 'P', 0).PersonTypeCode(), 0);
    EXPECT_EQ(Person('F', 'P', 0).PersonTypeCode(), 1);
    EXPECT_EQ(Person('M', 'A', 0).PersonTypeCode(), 2);
    EXPECT_EQ(Person('F', 'A', 0).PersonTypeCode(), 3);
    EXPECT_EQ(Person('M', 'A', 1).PersonTypeCode(), 4);
    EXPECT_EQ(Person('F', 'A', 1).PersonTypeCode(), 5);
    EXPECT_EQ(Person(0, 0, 0).PersonTypeCode(), 7);
    EXPECT_EQ(Person('F', 'X', 0).PersonTypeCode(), 7);
    EXPECT_EQ(Person('M', 'A', 2).PersonTypeCode(), 7);
}

TEST(EntryRecord, ProficiencyLevelsAndStarredAgesHaveStyleP) {
    CDanceCategory category;
    category.style = 'N';
    category.pcaLevels.push_back({1, "Bronze", 0});
    category.pcaLevels.push_back({2, "Gold proficiency", 0});
    category.pcaAges.push_back({1, "Adult", "19+", 0, 0});
    category.pcaAges.push_back({2, "Adult*", "19+", 0, 0});
    CEntryRecord entry;
    entry.level = 1;
    entry.age = 1;
    EXPECT_EQ(entry.EffectiveStyle(category), 'N');
    entry.level = 2;
    EXPECT_EQ(entry.EffectiveStyle(category), 'P');
    entry.level = 1;
    entry.age = 2;
    EXPECT_EQ(entry.EffectiveStyle(category), 'P');
    entry.age = 9;  // unknown codes name nothing
    EXPECT_EQ(entry.EffectiveStyle(category), 'N');
}

TEST(Records, NewRecordsHaveTheirInitialValues) {
    const CPersonRecord person;
    EXPECT_EQ(person.version, 2);
    EXPECT_EQ(person.studioNumber, -1);
    EXPECT_EQ(person.dancePackage, -1);
    EXPECT_EQ(SplitDate(person.created).second, 0);
    const CFinanceRecord purchase;
    EXPECT_EQ(purchase.quantity, 1);
    EXPECT_EQ(purchase.purchaserNumber, -1);
    const CEntryRecord entry;
    EXPECT_EQ(entry.statusLetter, 'N');
    EXPECT_EQ(entry.gentleman, -1);
    EXPECT_EQ(entry.categoryCode, -1);
}

}  // namespace
