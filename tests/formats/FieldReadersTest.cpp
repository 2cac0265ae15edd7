#include "formats/FieldReaders.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

namespace {

TEST(FieldReaders, TakeFieldsFromTheLeftAndGiveMissingValuesAtTheEnd) {
    const CStringList fields{"Waltz", "12abc", "3.5", "Y"};
    CFieldQueue record(fields);
    EXPECT_EQ(PopText(record), "Waltz");
    EXPECT_EQ(PopInt(record), 12);
    EXPECT_FLOAT_EQ(PopFloat(record), 3.5f);
    EXPECT_EQ(PopChar(record), 'Y');
    EXPECT_TRUE(record.Empty());
    EXPECT_EQ(PopText(record), "");
    EXPECT_EQ(PopInt(record), -1);
    EXPECT_EQ(PopFloat(record), 0.0f);
    EXPECT_EQ(PopChar(record), '\0');
    EXPECT_EQ(PopYesNo(record), 0);
    EXPECT_EQ(PopDate(record), 0.0);
}

TEST(FieldReaders, NumbersThatDoNotParseReadAsZeroAndHugeOnesAreClamped) {
    const CStringList fields{"abc", "", "99999999999", "-99999999999", "nan", "1e999", "-7.25kg"};
    CFieldQueue record(fields);
    EXPECT_EQ(PopInt(record), 0);
    EXPECT_EQ(PopInt(record), 0);
    EXPECT_EQ(PopInt(record), INT_MAX);
    EXPECT_EQ(PopInt(record), INT_MIN);
    EXPECT_EQ(PopFloat(record), 0.0f);
    EXPECT_EQ(PopFloat(record), FLT_MAX);
    EXPECT_EQ(PopFloat(record), -7.25f);
}

TEST(FieldReaders, YesNoReadsLettersDigitsAndCharacterCodes) {
    const CStringList fields{"48", "49", "Yes", "1", "No", "0", "480", "x", "", "\xE9"};
    CFieldQueue record(fields);
    EXPECT_EQ(PopYesNo(record), 0);
    EXPECT_EQ(PopYesNo(record), 1);
    EXPECT_EQ(PopYesNo(record), 1);
    EXPECT_EQ(PopYesNo(record), 1);
    EXPECT_EQ(PopYesNo(record), 0);
    EXPECT_EQ(PopYesNo(record), 0);
    EXPECT_EQ(PopYesNo(record), '4');  // "480" is not "48": its first character counts
    EXPECT_EQ(PopYesNo(record), 'x');
    EXPECT_EQ(PopYesNo(record), 0);
    EXPECT_EQ(PopYesNo(record), 0xE9);
}

TEST(FieldReaders, DatesAndPriceBlocks) {
    const CStringList fields{"3.27.2002.14.5.0", "3.27.2002",
                             "1-2-3-4-5-6-7-8-9-10-4.1.2025.12.0.0", "1.5-x--4"};
    CFieldQueue record(fields);
    EXPECT_EQ(FormatDateText(PopDate(record)), "3.27.2002.14.5.0");
    EXPECT_EQ(PopDate(record), TodayAtNoon());
    const PriceBlock full = PopPriceBlock(record);
    EXPECT_EQ(full.prices,
              (std::array<int64_t, 10>{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}));
    EXPECT_EQ(FormatDateText(full.switchDate), "4.1.2025.12.0.0");
    const PriceBlock partial = PopPriceBlock(record);
    EXPECT_EQ(partial.prices, (std::array<int64_t, 10>{150, 0, 0, 400, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(partial.switchDate, TodayAtNoon());
    const PriceBlock missing = PopPriceBlock(record);
    EXPECT_EQ(missing.prices, (std::array<int64_t, 10>{}));
    EXPECT_EQ(missing.switchDate, TodayAtNoon());
}

}  // namespace
