#include "util/Dates.h"

#include <gtest/gtest.h>

TEST(ParseDateText, ReadsSixNumbersMonthFirst) {
    const DATE date = ParseDateText("3.27.2002.14.5.0");
    const CDateParts p = SplitDate(date);
    EXPECT_EQ(p.year, 2002);
    EXPECT_EQ(p.month, 3);
    EXPECT_EQ(p.day, 27);
    EXPECT_EQ(p.hour, 14);
    EXPECT_EQ(p.minute, 5);
    EXPECT_EQ(p.second, 0);
    EXPECT_NEAR(date, 37342 + (14 * 60 + 5) / 1440.0, 1e-9);
}

TEST(ParseDateText, ShortTextIsTodayAtNoonAndImpossibleDateIsZero) {
    EXPECT_EQ(ParseDateText("3.27.2002"), TodayAtNoon());
    EXPECT_EQ(ParseDateText("13.40.2002.0.0.0"), 0);
    EXPECT_EQ(ParseDateText("2.29.2003.0.0.0"), 0);
}

TEST(DateText, WritesWhatItReads) {
    EXPECT_EQ(FormatDateText(ParseDateText("12.31.1999.23.59.59")), "12.31.1999.23.59.59");
    EXPECT_EQ(FormatDateText(ParseDateText("1.1.2030.0.0.0")), "1.1.2030.0.0.0");
}

TEST(NowToMinute, HasNoSeconds) {
    EXPECT_EQ(SplitDate(NowToMinute()).second, 0);
    EXPECT_EQ(SplitDate(TodayAtNoon()).hour, 12);
}

TEST(ParseDateText, NumbersBeyondACalendarFieldAreInvalidNotWrapped) {
    EXPECT_EQ(ParseDateText("259.1.2002.0.0.0"), 0);  // 259 is 3 in a byte
    EXPECT_EQ(ParseDateText("3.257.2002.0.0.0"), 0);
    EXPECT_EQ(ParseDateText("3.27.99.0.0.0"), 0);
    EXPECT_EQ(ParseDateText("3.27.2002.24.0.0"), 0);
    EXPECT_EQ(ParseDateText("x.27.2002.0.0.0"), 0);
    EXPECT_EQ(FormatDateText(ParseDateText("2.29.2004.23.59.59")), "2.29.2004.23.59.59");
}

TEST(SplitDate, RoundsToTheNextDayAlsoBeforeTheEpoch) {
    EXPECT_EQ(FormatDateText(0), "12.30.1899.0.0.0");
    EXPECT_EQ(FormatDateText(-1.25), "12.29.1899.6.0.0");
    EXPECT_EQ(FormatDateText(-1.9999999999), "12.30.1899.0.0.0");
    EXPECT_EQ(FormatDateText(1.9999999999), "1.1.1900.0.0.0");
    EXPECT_EQ(FormatDateText(1e300), "12.30.1899.0.0.0");
}
