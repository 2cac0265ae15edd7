#include "util/Text.h"

#include <gtest/gtest.h>

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
