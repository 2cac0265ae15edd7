// Amounts read as whole cents and shown with two decimals, at both ends of what a text can give.
#include <gtest/gtest.h>

#include "util/Money.h"

TEST(Money, TextsBecomeExactCentsAndHalvesRoundAwayFromZero) {
    EXPECT_EQ(ParseCents("19.99"), 1999);
    EXPECT_EQ(ParseCents("35.01"), 3501);
    EXPECT_EQ(ParseCents("  1234567.89|"), 123456789);  // beyond a float's seven digits
    EXPECT_EQ(ParseCents("0.125"), 13);
    EXPECT_EQ(ParseCents("-0.125"), -13);
    EXPECT_EQ(ParseCents("0.12499999"), 12);
    EXPECT_EQ(ParseCents("0.995"), 100);
    EXPECT_EQ(ParseCents("0.001"), 0);
    EXPECT_EQ(ParseCents("0.005"), 1);
    EXPECT_EQ(ParseCents("+.5"), 50);
    EXPECT_EQ(ParseCents("7."), 700);
    EXPECT_EQ(ParseCents("12.50-"), 1250);
    EXPECT_EQ(ParseCents("1.5e2"), 15000);
    EXPECT_EQ(ParseCents("125e-3"), 13);
    EXPECT_EQ(ParseCents("00000000000000000000000019.99"), 1999);
    // Not numbers, and numbers too small to be a cent.
    EXPECT_EQ(ParseCents(""), 0);
    EXPECT_EQ(ParseCents("."), 0);
    EXPECT_EQ(ParseCents("abc"), 0);
    EXPECT_EQ(ParseCents("0x1A"), 0);
    EXPECT_EQ(ParseCents("1e-999"), 0);
    // Too large: held at the largest amount of its sign.
    EXPECT_EQ(ParseCents("1" + std::string(400, '0')), kMaxCents);
    EXPECT_EQ(ParseCents("-1e300"), -kMaxCents);
    EXPECT_EQ(ParseCents("9999999999.99"), 999999999999);
}

TEST(Money, CentsShowTwoDecimalsAndAPoint) {
    EXPECT_EQ(FormatCents(0), "0.00");
    EXPECT_EQ(FormatCents(5), "0.05");
    EXPECT_EQ(FormatCents(-5), "-0.05");
    EXPECT_EQ(FormatCents(149947800), "1499478.00");
    EXPECT_EQ(FormatCents(INT64_MIN + 1), "-92233720368547758.07");
    std::string line = "Subtotal ";
    AppendCents9(line, 3501);
    EXPECT_EQ(line, "Subtotal     35.01");
    line.clear();
    AppendCents9(line, 123456789012);
    EXPECT_EQ(line, "1234567890.12");
    // A price times a quantity from a file stays within what can still be added up.
    EXPECT_EQ(CentsTimes(1999, 3), 5997);
    EXPECT_EQ(CentsTimes(kMaxCents, 2147483647), kMaxCentsProduct);
    EXPECT_EQ(CentsTimes(kMaxCents, -2147483647), -kMaxCentsProduct);
    EXPECT_EQ(CentsTimes(-1999, 0), 0);
}
