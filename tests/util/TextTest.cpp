#include "util/Text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

TEST(SplitFields, NormalModeSkipsLeadingSeparatorsButKeepsInnerEmptyFields) {
    CStringList fields;
    EXPECT_EQ(SplitFields("a|b||c|", "|", fields, 0, false), 4);
    EXPECT_EQ(fields, (CStringList{"a", "b", "", "c"}));
    EXPECT_EQ(SplitFields("||a", "|", fields, 0, false), 1);
    EXPECT_EQ(fields, (CStringList{"a"}));
}

TEST(SplitFields, KeepEmptyModeKeepsLeadingEmptyFields) {
    CStringList fields;
    EXPECT_EQ(SplitFields("||a", "|", fields, 0, true), 3);
    EXPECT_EQ(fields, (CStringList{"", "", "a"}));
}

TEST(SplitFields, MaximumCountDropsTheRest) {
    CStringList fields;
    EXPECT_EQ(SplitFields("a|b|c", "|", fields, 2, true), 2);
    EXPECT_EQ(fields, (CStringList{"a", "b"}));
}

TEST(SplitFields, LineWithoutSeparatorIsOneFieldAndEmptyLineNone) {
    CStringList fields{"stale"};
    EXPECT_EQ(SplitFields("whole line", "|", fields, 0, true), 1);
    EXPECT_EQ(fields, (CStringList{"whole line"}));
    EXPECT_EQ(SplitFields("", "|", fields, 0, true), 0);
    EXPECT_TRUE(fields.empty());
}

TEST(DetectSeparator, PrefersBarThenSemicolonThenTab) {
    EXPECT_EQ(DetectSeparator("a;b|c"), "|");
    EXPECT_EQ(DetectSeparator("a;b"), ";");
    EXPECT_EQ(DetectSeparator("a,b"), "\t");
}

TEST(MakeFileNamePart, KeepsOnlyFileNameCharacters) {
    EXPECT_EQ(MakeFileNamePart("Star <Dance> Studio #1"), "Star_{Dance}_Studio_1");
    EXPECT_EQ(MakeFileNamePart("Caf\xE9 D\xFC"), "Caf_D");
}

TEST(ReplaceAll, IgnoresCaseUnlessAskedForExactCase) {
    std::string text = "Waltz waltz WALTZ";
    ReplaceAll(text, "waltz", "Tango", 0);
    EXPECT_EQ(text, "Tango Tango Tango");
    text = "Waltz waltz";
    ReplaceAll(text, "waltz", "Tango", 1);
    EXPECT_EQ(text, "Waltz Tango");
}

TEST(ParseLeadingDouble, ReadsPlainDecimalsOnly) {
    EXPECT_EQ(ParseLeadingDouble("  -3.5e2 dollars"), -350);
    EXPECT_EQ(ParseLeadingDouble("+.5"), 0.5);
    EXPECT_EQ(ParseLeadingDouble("12.50-"), 12.5);
    EXPECT_EQ(ParseLeadingDouble("7e"), 7);
    EXPECT_EQ(ParseLeadingDouble("0x1A"), 0);
    EXPECT_EQ(ParseLeadingDouble("inf"), 0);
    EXPECT_EQ(ParseLeadingDouble("nan"), 0);
    EXPECT_EQ(ParseLeadingDouble("."), 0);
    EXPECT_EQ(ParseLeadingDouble("1e-999"), 0);
    EXPECT_EQ(ParseLeadingDouble("0.0000000000000000001e-400"), 0);
    EXPECT_EQ(ParseLeadingDouble("-1" + std::string(400, '0')), -HUGE_VAL);
    EXPECT_EQ(ParseLeadingFloat("1e300"), std::numeric_limits<float>::max());
    EXPECT_EQ(ParseLeadingFloat("-1e300"), -std::numeric_limits<float>::max());
}

TEST(ParseLeadingDouble, IgnoresTheLocalesDecimalComma) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no German locale on this machine";
    }
    const double value = ParseLeadingDouble("12.75");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(value, 12.75);
}

TEST(FormatText, FillsPlacesInOrderWithoutReadingTheValues) {
    EXPECT_EQ(FormatText("Error %i in copying %s to %s.", {"28", "a%s.tvr", "b.tvr"}),
              "Error 28 in copying a%s.tvr to b.tvr.");
    EXPECT_EQ(FormatText("100% sure, %c", {"Y"}), "100% sure, Y");
    EXPECT_EQ(FormatText("%s and %s", {"one"}), "one and %s");
}
