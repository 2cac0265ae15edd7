// A roster that spells a studio's dancer in the other case is no new dancer: the import's
// duplicate rule meets every case pair of the code page, at both ends of its accented range and
// the four pairs that stand apart.
#include <gtest/gtest.h>

#include <fstream>

#include "data/Database.h"
#include "persons/PersonImport.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

TEST(PersonImportCase, NamesThatDifferOnlyInCaseAreSkippedForEveryLetterPair) {
    CTempDir dir;
    CScriptedUi ui;
    CDatabase db(ui);
    db.fieldSeparator = "|";
    db.dataFileName = dir.File("Fall_Star_Dance.tvr");
    AddStudio(db, "Star Dance");
    // In the studio: à, þ, š, œ, ž and ÿ in small letters.
    const char* studio[] = {"\xE0ngel",
                            "\xFEora",
                            "\x9Aimek",
                            "\x9C"
                            "dile",
                            "\x9E"
                            "iva",
                            "\xFF"
                            "ves"};
    for (const char* last : studio) {
        AddPersonRecord(db, 'F', 'A', 0, "Ann", last, MarchDate(9, 0));
    }
    // The roster, in UTF-8 as spreadsheets write it: the same names in capitals, and one new.
    const std::string roster = dir.File("roster.csv");
    std::ofstream(roster, std::ios::binary) << "Last name,First name,Type\r\n"
                                            << "\xC3\x80ngel,ANN,\"Lady amateur, adult\"\r\n"  // À
                                            << "\xC3\x9Eora,Ann,\"Lady amateur, adult\"\r\n"   // Þ
                                            << "\xC5\xA0imek,Ann,\"Lady amateur, adult\"\r\n"  // Š
                                            << "\xC5\x92"
                                               "dile,Ann,\"Lady amateur, adult\"\r\n"         // Œ
                                            << "\xC5\xBDiva,Ann,\"Lady amateur, adult\"\r\n"  // Ž
                                            << "\xC5\xB8ves,Ann,\"Lady amateur, adult\"\r\n"  // Ÿ
                                            << "Abel,Tim,\"Gentleman amateur, adult\"\r\n";
    const CImportSummary summary = ImportPersons(db, roster);
    ASSERT_TRUE(summary.readable) << summary.whyNot;
    EXPECT_EQ(summary.added, 1);
    EXPECT_EQ(summary.alreadyThere.size(), 6u);
    EXPECT_TRUE(summary.refusedLines.empty());
    ASSERT_EQ(db.personArray.size(), 7u);
    EXPECT_EQ(db.personArray.back()->lastName, "Abel");
}

}  // namespace
