#include "util/CodePage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, EveryByteSurvivesTheWayToUtf8AndBack) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(CodePage, TheHighBytesAreTheirWindowsCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("Caf\xE9"), "Caf\u00E9");
    EXPECT_EQ(Cp1252ToUtf8("\x80 5"), "\u20AC 5");
    EXPECT_EQ(Cp1252ToUtf8("\x93Quick\x94 \x96 step"), "\u201CQuick\u201D \u2013 step");
    EXPECT_EQ(Utf8ToCp1252("\u0160ebesti\u00E1n \u20AC"),
              "\x8A"
              "ebesti\xE1n \x80");
}

TEST(CodePage, CharactersOutsideTheCodePageAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\u0141\u00F3d\u017A"),
              "?\xF3"
              "d?");                                           // Polish: only ó exists
    EXPECT_EQ(Utf8ToCp1252("Tango \U0001F483!"), "Tango ?!");  // one mark per character
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");                    // cut short
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"
                           "A"),
              "?A");                                      // cut short, then text
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");            // overlong
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");       // a surrogate
    EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
}

TEST(CodePage, DisplayTextKeepsUtf8AndReadsTheRestAsWindows1252) {
    EXPECT_EQ(DisplayTextToUtf8("/home/j\u00F6rg/Fall.stu"), "/home/j\u00F6rg/Fall.stu");
    EXPECT_EQ(DisplayTextToUtf8("Caf\xE9 Royal"), "Caf\u00E9 Royal");
}

}  // namespace
