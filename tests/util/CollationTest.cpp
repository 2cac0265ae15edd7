// Matching and sorting names as the user reads them: a letter is found with and without its
// accent and in either case, and sorted lists put accented names among their letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "util/Collation.h"
#include "util/Text.h"

namespace {

// The code page's accented range ends at à/À and þ/Þ, and its four pairs outside that range
// sit 0x10 (or, for ÿ/Ÿ, 0x60) apart: each must still meet its other case.
TEST(CaseFolding, EveryPairOfTheCodePageMeetsItsOtherCase) {
    const std::pair<const char*, const char*> pairs[] = {
        {"\xE0", "\xC0"},  // à À
        {"\xFE", "\xDE"},  // þ Þ
        {"\x9A", "\x8A"},  // š Š
        {"\x9C", "\x8C"},  // œ Œ
        {"\x9E", "\x8E"},  // ž Ž
        {"\xFF", "\x9F"},  // ÿ Ÿ
    };
    for (const auto& [small, capital] : pairs) {
        EXPECT_TRUE(EqualsIgnoringCase(std::string("x") + small, std::string("X") + capital))
            << static_cast<int>(static_cast<unsigned char>(*small));
        EXPECT_EQ(ToUpperCodePage(small), capital);
    }
    // The signs beside them are no letters: × and ÷ stay apart, and ß has no capital.
    EXPECT_FALSE(EqualsIgnoringCase("\xD7", "\xF7"));
    EXPECT_EQ(ToUpperCodePage("\xDF"), "\xDF");
}

TEST(MatchingForm, FindsALetterWithAndWithoutItsAccentBothWays) {
    EXPECT_EQ(MatchingForm("Casta\xF1o"), MatchingForm("Castano"));  // Castaño
    EXPECT_EQ(MatchingForm("casta\xF1o"), MatchingForm("CASTANO"));
    EXPECT_EQ(MatchingForm("\xC5"
                           "berg")
                  .substr(0, 2),
              MatchingForm("Ab"));  // Åberg
    EXPECT_EQ(MatchingForm("\xD1\xFA\xF1"
                           "ez")
                  .substr(0, 1),
              MatchingForm("n"));  // Ñúñez
    EXPECT_EQ(MatchingForm("\x8A"
                           "imek \x9F"
                           "ves"),
              "SIMEK YVES");  // Šimek Ÿves
    EXPECT_EQ(MatchingForm("\xE0\xFF\xC0"), "AYA");
    // One byte for one, so that a place found in the matching form is the place in the text.
    EXPECT_EQ(MatchingForm("Dubois, Ren\xE9").size(), std::string("Dubois, Ren\xE9").size());
    // Letters that are no accented form of a plain one stay themselves (in capitals).
    EXPECT_EQ(MatchingForm("\xE6\xDF\xFE"), "\xC6\xDF\xDE");
    EXPECT_NE(MatchingForm("\xD7"), MatchingForm("x"));
}

TEST(CollatesBefore, AccentedNamesSortAmongTheirLettersAndTiesByTheExactText) {
    std::vector<std::string> names = {
        "Zeller, Ann",
        "\xD6str\xF6m, Eva",  // Öström
        "Oak, Cy",
        "\xD1\xFA\xF1"
        "ez, Luis",  // Ñúñez
        "Nash, Bo",
        "\xC5"
        "berg, Lars",  // Åberg
        "Abel, Tim",
        "abel, tim",
        "Acker, Jo",
        "Oz, Al",
        "\xC6"
        "sop, Max",  // Æsop, as AE
        "Adams, Sue",
    };
    std::sort(names.begin(), names.end(), CollatesBefore);
    const std::vector<std::string> expected = {
        "Abel, Tim",
        "abel, tim",
        "\xC5"
        "berg, Lars",
        "Acker, Jo",
        "Adams, Sue",
        "\xC6"
        "sop, Max",
        "Nash, Bo",
        "\xD1\xFA\xF1"
        "ez, Luis",
        "Oak, Cy",
        "\xD6str\xF6m, Eva",
        "Oz, Al",
        "Zeller, Ann",
    };
    EXPECT_EQ(names, expected);
    EXPECT_FALSE(CollatesBefore("Lee, Ann", "Lee, Ann"));
    EXPECT_TRUE(CollatesBefore("LEE, ANN", "Lee, Ann"));
    EXPECT_FALSE(CollatesBefore("Lee, Ann", "LEE, ANN"));
}

}  // namespace
