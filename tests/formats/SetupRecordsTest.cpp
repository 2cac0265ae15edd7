#include <gtest/gtest.h>

#include "data/Database.h"
#include "formats/SetupLoader.h"
#include "support/ScriptedUi.h"

namespace {

class SetupRecordsTest : public ::testing::Test {
protected:
    CStringList Split(const std::string& line) {
        CStringList fields;
        SplitFields(line, "|", fields, 0, true);
        return fields;
    }
    CDanceCategory& Category(const std::string& line) {
        CStringList fields = Split(line);
        ParseCategoryRecord(db, fields);
        return *db.categoryArray.back();
    }
    CPriceListRecord& Item(const std::string& line) {
        CStringList fields = Split(line);
        ParsePriceListRecord(db, fields);
        return *db.priceListArray.back();
    }
    CPackageRecord& Package(const std::string& line) {
        CStringList fields = Split(line);
        ParsePackageRecord(db, fields);
        return *db.packageArray.back();
    }

    CScriptedUi ui;
    CDatabase db{ui};
};

// A complete category: kind, letters, code, name, dances, levels, ages, fee basis, fees, extra
// fees, unit-count basis, unit counts, factor, three numbers, style, two yes/no, entry mark.
const std::string kRhythm =
    "DC|2|BA|201|Rhythm Championship|3|1|Cha Cha|3|Rumba|6|Swing|"
    "3|2|Bronze|3|Silver|4|Gold|2|3|Adult (19-34)|0|1|Junior  (12-15)|1|"
    "L|3|95|75|110|85|125.5|95|30|20|L|3|2|0|9|2.5|1|6|7|N|Y|Y|C|N|N|N";

TEST_F(SetupRecordsTest, ACompleteCategoryRecordFillsEveryMember) {
    const CDanceCategory& c = Category(kRhythm);
    EXPECT_EQ(c.listPosition, 0);
    EXPECT_EQ(c.code, 201);
    EXPECT_EQ(c.name, "Rhythm Championship");
    EXPECT_EQ(c.kind, 'C');
    EXPECT_TRUE(c.allowAdultAmateur);
    EXPECT_TRUE(c.allowAdultProAm);
    EXPECT_FALSE(c.allowYouthAmateur);
    EXPECT_FALSE(c.allowYouthProAm);
    EXPECT_FALSE(c.allowProfessional);
    ASSERT_EQ(c.pcaDances.size(), 3u);
    EXPECT_EQ((c.pcaDances)[2].code, 6);
    EXPECT_EQ((c.pcaDances)[2].name, "Swing");
    ASSERT_EQ(c.pcaLevels.size(), 3u);
    EXPECT_EQ((c.pcaLevels)[1].name, "Silver");
    ASSERT_EQ(c.pcaAges.size(), 2u);
    EXPECT_EQ((c.pcaAges)[0].name, "Adult");
    EXPECT_EQ((c.pcaAges)[0].rangeText, "19-34");
    EXPECT_EQ((c.pcaAges)[0].youth, 0);
    EXPECT_EQ((c.pcaAges)[1].name, "Junior");  // blanks before "(" go
    EXPECT_EQ((c.pcaAges)[1].rangeText, "12-15");
    EXPECT_EQ((c.pcaAges)[1].youth, 1);
    EXPECT_EQ(c.feeBasis, 'L');
    EXPECT_EQ(c.adultFee, 9500);
    EXPECT_EQ(c.youthFee, 7500);
    EXPECT_EQ(c.adultFeeList, (std::vector<int64_t>{9500, 11000, 12550}));
    EXPECT_EQ(c.youthFeeList, (std::vector<int64_t>{7500, 8500, 9500}));
    EXPECT_EQ(c.adultExtraFee, 3000);
    EXPECT_EQ(c.youthExtraFee, 2000);
    EXPECT_EQ(c.unitCountBasis, 'L');
    EXPECT_EQ(c.unitCount, 2);
    EXPECT_EQ(c.unitCountList, (std::vector<uint8_t>{2, 0, 9}));
    EXPECT_FLOAT_EQ(c.factor, 2.5f);
    EXPECT_EQ(c.styleFirstNumber, 1);
    EXPECT_EQ(c.styleNumber, 1);  // style N with first number 1, whatever the record says
    EXPECT_EQ(c.carriedNumber, 7);
    EXPECT_EQ(c.style, 'N');
    EXPECT_TRUE(c.yesNo1);
    EXPECT_TRUE(c.yesNo2);
    EXPECT_EQ(c.entryMark, 'C');
    EXPECT_EQ(std::vector<uint8_t>(c.optionBytes, c.optionBytes + 6),
              (std::vector<uint8_t>{1, 0, 0, 1, 0, 1}));  // kind 2 sets the fourth
}

TEST_F(SetupRecordsTest, TheKindDigitSetsKindAndOptions) {
    struct Case {
        char digit;
        char kind;
        char together;
        uint8_t firstOption;
    };
    for (const Case& k : {Case{'0', 'C', 'C', 1}, Case{'1', 'C', 'V', 1}, Case{'3', 'C', 'C', 1},
                          Case{'4', 'C', 'C', 0}, Case{'6', 'S', 'C', 0}, Case{'7', 'G', 'C', 0},
                          Case{'8', 'G', 'C', 0}, Case{'9', 'C', 'C', 1}, Case{'B', 'C', 'C', 1}}) {
        SCOPED_TRACE(k.digit);
        const CDanceCategory& c = Category(std::string("DC|") + k.digit + "|B|1|Team");
        EXPECT_EQ(c.kind, k.kind);
        EXPECT_EQ(c.proAmTogether, k.together);
        EXPECT_EQ(c.optionBytes[0], k.firstOption);
        EXPECT_EQ(c.optionBytes[3], 0);
        EXPECT_EQ(c.optionBytes[5], 1);
    }
    EXPECT_EQ(db.categoryArray.back()->listPosition, 8);
}

TEST_F(SetupRecordsTest, EligibilityLettersAreCaseSensitiveAndClearTheDefaults) {
    const CDanceCategory& c = Category("DC|0|aP|1|Youth and pros");
    EXPECT_FALSE(c.allowAdultProAm);  // set by default, cleared without "B"
    EXPECT_FALSE(c.allowYouthProAm);
    EXPECT_FALSE(c.allowAdultAmateur);
    EXPECT_TRUE(c.allowYouthAmateur);
    EXPECT_TRUE(c.allowProfessional);
    const CDanceCategory& all = Category("DC|0|PbBaA|2|Everyone");
    EXPECT_TRUE(all.allowAdultProAm && all.allowYouthProAm && all.allowAdultAmateur &&
                all.allowYouthAmateur && all.allowProfessional);
}

TEST_F(SetupRecordsTest, AgeTextsSplitAtTheirLastParenthesis) {
    const CDanceCategory& c = Category(
        "DC|0|B|1|Ages|0|0|4|1|Adult|0|2|Senior (Gold) (50+)|0|3|Pre-Teen (under 12|1|4|(8-11)|1");
    const auto& ages = c.pcaAges;
    ASSERT_EQ(ages.size(), 4u);
    EXPECT_EQ(ages[0].name, "Adult");
    EXPECT_EQ(ages[0].rangeText, "");
    EXPECT_EQ(ages[1].name, "Senior (Gold)");
    EXPECT_EQ(ages[1].rangeText, "50+");
    EXPECT_EQ(ages[2].name, "Pre-Teen (under 12");  // no closing parenthesis: all name
    EXPECT_EQ(ages[2].rangeText, "");
    EXPECT_EQ(ages[3].name, "");
    EXPECT_EQ(ages[3].rangeText, "8-11");
}

TEST_F(SetupRecordsTest, OneFeePairLeavesTheListsEmpty) {
    const CDanceCategory& c = Category("DC|0|B|1|Smooth|0|0|0|A|1|38.5|30|20|15");
    EXPECT_EQ(c.adultFee, 3850);
    EXPECT_EQ(c.youthFee, 3000);
    EXPECT_TRUE(c.adultFeeList.empty());
    EXPECT_TRUE(c.youthFeeList.empty());
    EXPECT_EQ(c.adultExtraFee, 2000);
    EXPECT_EQ(c.youthExtraFee, 1500);
}

TEST_F(SetupRecordsTest, StyleNumberIsOneOnlyForStyleNWithFirstNumberOne) {
    EXPECT_EQ(Category("DC|0|B|1|A|0|0|0|A|0|0|0|A|0|1.8|1|6|5|N").styleNumber, 1);
    EXPECT_EQ(Category("DC|0|B|1|A|0|0|0|A|0|0|0|A|0|1.8|1|6|5|S").styleNumber, 6);
    EXPECT_EQ(Category("DC|0|B|1|A|0|0|0|A|0|0|0|A|0|1.8|8|6|5|N").styleNumber, 6);
    EXPECT_EQ(Category("DC|0|B|1|A|0|0|0|A|0|0|0|A|0|1.8|65537|6|5|N").styleNumber, 6);
}

TEST_F(SetupRecordsTest, UnitCountsOfZeroKeepTheDefaultAndCodesAreBytes) {
    const CDanceCategory& c = Category("DC|0|B|1|A|2|256|Waltz|-1|Tango|0|0|A|0|0|0|A|1|0");
    EXPECT_EQ(c.unitCount, 1);
    EXPECT_TRUE(c.unitCountList.empty());
    EXPECT_EQ((c.pcaDances)[0].code, 0);
    EXPECT_EQ((c.pcaDances)[1].code, 255);
}

TEST_F(SetupRecordsTest, AShortCategoryRecordIsStillAppendedWithMissingValues) {
    const CDanceCategory& c = Category("DC|7|B|55|Team match");
    EXPECT_EQ(c.code, 55);
    EXPECT_EQ(c.kind, 'G');
    EXPECT_TRUE(c.pcaDances.empty());
    EXPECT_TRUE(c.pcaLevels.empty());
    EXPECT_TRUE(c.pcaAges.empty());
    EXPECT_EQ(c.feeBasis, 0);
    EXPECT_EQ(c.adultFee, 0);
    EXPECT_EQ(c.unitCount, 1);
    EXPECT_EQ(c.styleNumber, -1);
    EXPECT_EQ(c.style, 0);
    EXPECT_FALSE(c.yesNo1);
    EXPECT_EQ(c.entryMark, 0);
    EXPECT_EQ(Category("DC").code, -1);
}

TEST_F(SetupRecordsTest, AListCountBeyondTheRecordEndsWithTheRecord) {
    // A count of two billion must not make two billion empty dances.
    const CDanceCategory& c = Category("DC|0|B|1|Smooth|2000000000|1|Waltz|2");
    ASSERT_EQ(c.pcaDances.size(), 2u);
    EXPECT_EQ((c.pcaDances)[1].code, 2);
    EXPECT_EQ((c.pcaDances)[1].name, "");
    const CPackageRecord& p = Package("PK|1|Gala|N|10|0|0|0|99999|4|5");
    EXPECT_EQ(p.itemNumbers, (std::vector<int32_t>{4, 5}));
}

TEST_F(SetupRecordsTest, PriceListItemsReadTheirFieldsAndSessionNumbers) {
    const CPriceListRecord& gala = Item(
        "PL|4|S|Saturday Gala|2|4.26.2025.18.30.0|Y|300|E|Y|95-75-95-95-95-85-65-85-85-85-"
        "3.15.2025.12.0.0");
    EXPECT_EQ(gala.index, 0);
    EXPECT_EQ(gala.number, 4);
    EXPECT_EQ(gala.kind, 'S');
    EXPECT_EQ(gala.kindNumber, 2);
    EXPECT_EQ(gala.name, "Saturday Gala");
    EXPECT_EQ(FormatDateText(gala.date), "4.26.2025.18.30.0");
    EXPECT_EQ(gala.extraFlag, 1);
    EXPECT_EQ(gala.extraNumber, 44);  // kept in one byte
    EXPECT_EQ(gala.extraNumberCopy, 44);
    EXPECT_EQ(gala.extraLetter, 'E');
    EXPECT_EQ(gala.hidden, 1);
    EXPECT_EQ(gala.prices.prices[0], 9500);
    EXPECT_EQ(gala.prices.prices[9], 8500);
    EXPECT_EQ(FormatDateText(gala.prices.switchDate), "3.15.2025.12.0.0");
    EXPECT_EQ(gala.note, "");

    const CPriceListRecord& book = Item("PL|8|O|Program book|2");
    EXPECT_EQ(book.index, 1);
    EXPECT_EQ(book.kindNumber, 0);
    EXPECT_EQ(book.date, 0);  // missing date
    EXPECT_EQ(book.hidden, 0);
}

TEST_F(SetupRecordsTest, ShortOrMissingPriceFieldsFillWithZeroAndToday) {
    const CPriceListRecord& shortPrices = Item("PL|1|O|Pass|0|1.1.2025.0.0.0|N|1||N|35-20");
    EXPECT_EQ(shortPrices.prices.prices[0], 3500);
    EXPECT_EQ(shortPrices.prices.prices[1], 2000);
    EXPECT_EQ(shortPrices.prices.prices[2], 0);
    EXPECT_EQ(shortPrices.prices.switchDate, TodayAtNoon());
    const CPriceListRecord& noPrices = Item("PL|2|O|Pass");
    EXPECT_EQ(noPrices.prices.prices, (std::array<int64_t, 10>{}));
    EXPECT_EQ(noPrices.prices.switchDate, TodayAtNoon());
}

TEST_F(SetupRecordsTest, PackagesReadPricesExtrasAndTheirItems) {
    const CPackageRecord& p = Package(
        "PK|1|Weekend with Hotel|Y|499-449-499-499-499-459-409-459-459-459-3.15.2025.12.0.0|"
        "1.5|2|3|3|1|2|6");
    EXPECT_EQ(p.index, 0);
    EXPECT_EQ(p.number, 1);
    EXPECT_EQ(p.name, "Weekend with Hotel");
    EXPECT_EQ(p.coversEntries, 1);
    EXPECT_EQ(p.prices.prices[6], 40900);
    EXPECT_FLOAT_EQ(p.extraValue1, 1.5f);
    EXPECT_FLOAT_EQ(p.extraValue3, 3);
    EXPECT_EQ(p.itemNumbers, (std::vector<int32_t>{1, 2, 6}));
    EXPECT_EQ(Package("PK|2|Spectator|N").index, 1);
    EXPECT_EQ(db.packageArray.back()->coversEntries, 0);
}

}  // namespace
