// Statement file names that Windows, macOS and Linux all take, from any name a person has.
#include <gtest/gtest.h>

#include "util/SafeFileName.h"

TEST(SafeFileName, KeepsAPlainNameAndItsLettersAsTheyAre) {
    EXPECT_EQ(SafeFileName("Statement - Kim, Grace", ".pdf"), "Statement - Kim, Grace.pdf");
    EXPECT_EQ(SafeFileName("Statement - \u00d1\u00fa\u00f1ez, Zo\u00eb", ".pdf"),
              "Statement - \u00d1\u00fa\u00f1ez, Zo\u00eb.pdf");
    EXPECT_EQ(SafeFileName("O'Brien (2)", ".pdf"), "O'Brien (2).pdf");
}

TEST(SafeFileName, ReplacesWhatWindowsRefusesAndControlCharacters) {
    EXPECT_EQ(SafeFileName("a<b>c:d\"e/f\\g|h?i*j", ".pdf"), "a_b_c_d_e_f_g_h_i_j.pdf");
    // A NUL byte too (the eleventh).
    EXPECT_EQ(SafeFileName(std::string("tab\there\x01\x7f", 11), ".pdf"), "tab_here___.pdf");
}

TEST(SafeFileName, DropsBlanksAndDotsAtTheEndsAndNeverLeavesNothing) {
    EXPECT_EQ(SafeFileName("  Smith, Jr. ..  ", ".pdf"), "Smith, Jr.pdf");
    EXPECT_EQ(SafeFileName(" . ", ".pdf"), "_.pdf");
    EXPECT_EQ(SafeFileName("", ".pdf"), "_.pdf");
}

TEST(SafeFileName, GivesWindowsDeviceNamesAnUnderscoreAtAnyCase) {
    EXPECT_EQ(SafeFileName("CON", ".pdf"), "_CON.pdf");
    EXPECT_EQ(SafeFileName("lpt1", ".pdf"), "_lpt1.pdf");
    EXPECT_EQ(SafeFileName("Com9.backup", ".pdf"), "_Com9.backup.pdf");
    EXPECT_EQ(SafeFileName("nul ", ".pdf"), "_nul.pdf");
    // Only the names themselves: longer words that begin so are ordinary.
    EXPECT_EQ(SafeFileName("Console", ".pdf"), "Console.pdf");
    EXPECT_EQ(SafeFileName("COM10", ".pdf"), "COM10.pdf");
    EXPECT_EQ(SafeFileName("Statement - Con, Aux", ".pdf"), "Statement - Con, Aux.pdf");
}

TEST(SafeFileName, CutsALongNameAtTwoHundredBytesButNotInsideALetter) {
    EXPECT_EQ(SafeFileName(std::string(250, 'a'), ".pdf"), std::string(200, 'a') + ".pdf");
    // 199 ASCII bytes and then a two-byte letter: the letter would straddle the cut.
    const std::string name = std::string(199, 'b') + "\u00e9\u00e9";
    EXPECT_EQ(SafeFileName(name, ".pdf"), std::string(199, 'b') + ".pdf");
    EXPECT_EQ(SafeFileName(std::string(198, 'c') + "\u00e9", ".pdf"),
              std::string(198, 'c') + "\u00e9.pdf");
}
