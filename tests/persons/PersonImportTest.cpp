// A studio brings its dancers along: from last competition's studio data file, from a
// spreadsheet roster, and out again to a spreadsheet, all through "List of persons".
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "persons/PersonListDialog.h"
#include "support/ListLines.h"
#include "support/ScriptedUi.h"
#include "support/SilentUi.h"
#include "support/StudioFixtures.h"

namespace {

namespace fs = std::filesystem;

class PersonImportTest : public ::testing::Test {
protected:
    PersonImportTest() {
        db.fieldSeparator = "|";
        db.dataFileName = dir.File("Fall_Star_Dance.tvr");
        AddStudio(db, "Star Dance");
    }

    // Last month's competition: three dancers (two sharing a room, one with comments), an
    // entry, a purchase and a studio comment, written as the program writes its file.
    std::string WriteLastCompetition() {
        CSilentUi silent;
        CDatabase other(silent);
        other.fieldSeparator = "|";
        other.dataFileName = dir.File("Spring_Star_Dance.tvr");
        AddCategory(other, 5, "Smooth", {{1, "Waltz"}}, {{1, "Bronze"}}, {{1, "Adult"}});
        AddStudio(other, "Star Dance").pCommentArray.push_back({1, 1, "Invoice the office"});
        CPersonRecord& ann = AddPersonRecord(other, 'F', 'A', 1, "Ann", "Lee", MarchDate(9, 0));
        ann.nickname = "Annie";
        ann.noteToMC = "LEE";
        ann.membershipNumber = "A-1";
        ann.ssNumber = "123";
        ann.roommateGroup = 1;
        ann.pCommentArray.push_back({1, 1, "Vegetarian"});
        ann.pCommentArray.push_back({2, 3, "Arrives Friday"});
        CPersonRecord& bob = AddPersonRecord(other, 'M', 'P', 0, "Bob", "Ray", MarchDate(9, 5));
        bob.roommateGroup = 1;
        AddPersonRecord(other, 0, 0, 0, "Cy", "Oak", MarchDate(9, 10));
        AddEntry(other, 5, 1, 'f', bob.number, ann.number);
        AddPurchase(other, 'O', 1, ann.number, "Program book", 1000);
        EXPECT_TRUE(WriteDataFile(other, other.dataFileName));
        return other.dataFileName;
    }

    const CPersonRecord& Person(std::size_t i) const { return *db.personArray.at(i); }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

TEST_F(PersonImportTest, LastCompetitionsDancersComeWithoutTheirEntriesAndRooms) {
    const std::string last = WriteLastCompetition();
    const std::string lastBytes = ReadFileBytes(last);
    fs::permissions(last, fs::perms::owner_read | fs::perms::group_read);
    // Bob is already here, typed in other capitals.
    AddPersonRecord(db, 'M', 'P', 0, "BOB", "ray");

    CPersonListDialog list(db);
    ui.fileAnswers = {last};
    list.OnImport();

    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "open file: Import persons",
                          "message: Persons from Spring_Star_Dance.tvr:\n2 persons added.\n\n"
                          "Already in the studio, not added again: Ray, Bob."}));
    EXPECT_EQ(ui.lastFileFilters.front(),
              "Studio data files and CSV rosters (*.tvr *.TVR *.csv *.CSV)");
    EXPECT_EQ(Lines(list.persons),
              (std::vector<std::string>{"Lee, Ann [2]", "Oak, Cy [3]", "ray, BOB [1]"}));

    const CPersonRecord& ann = Person(1);
    EXPECT_EQ(ann.number, 2);
    EXPECT_EQ(ann.version, 2);
    EXPECT_EQ(ann.gender, 'F');
    EXPECT_EQ(ann.classLetter, 'A');
    EXPECT_EQ(ann.youth, 1);
    EXPECT_EQ(ann.nickname, "Annie");
    EXPECT_EQ(ann.noteToMC, "LEE");
    EXPECT_EQ(ann.membershipNumber, "A-1");
    EXPECT_EQ(ann.ssNumber, "123");
    ASSERT_EQ(ann.pCommentArray.size(), 2u);
    EXPECT_EQ(ann.pCommentArray[1].text, "Arrives Friday");
    EXPECT_EQ(ann.pCommentArray[1].first, 2);
    // The room, the studio and the time belong to the other competition.
    EXPECT_EQ(ann.roommateGroup, -1);
    EXPECT_EQ(ann.studioNumber, -1);
    EXPECT_NE(ann.created, MarchDate(9, 0));
    EXPECT_EQ(Person(2).gender, 0);
    EXPECT_EQ(Person(2).classLetter, 0);
    EXPECT_TRUE(db.entryArray.empty());
    EXPECT_TRUE(db.purchaseArray.empty());
    EXPECT_TRUE(db.studioArray.front()->pCommentArray.empty());

    // Saved at once; the other file is neither written nor made writable.
    const std::string saved = ReadFileBytes(db.dataFileName);
    EXPECT_NE(saved.find("PR|f2|A|Ann|Lee|Annie|LEE|A-1|123|R4294967295|0|"), std::string::npos);
    EXPECT_NE(saved.find("CM|2|3|Arrives Friday|PR|f2|A|Ann|Lee|"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(last), lastBytes);
    EXPECT_EQ(fs::status(last).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(PersonImportTest, ARosterInAnyColumnOrderAddsItsGoodLinesAndNamesTheBadOnes) {
    AddPersonRecord(db, 'F', 'P', 0, "Dee", "Fox");
    const std::string roster = dir.File("roster.csv");
    WriteFileBytes(roster,
                   "\xEF\xBB\xBF"
                   "Type,Last name, first NAME ,Nick name,Member #,Note to MC,SS #,E-mail\r\n"
                   "\"Lady amateur, adult\",M\xC3\xBCller,Eva,\"\"\"Evi\"\"\",M-7,MUE-ler,99,"
                   "eva@example.org\r\n"
                   "lady professional,FOX,dee,,,,,\r\n"
                   "Lady pro,Nowak,Ida,,,,,\r\n"
                   "Gentleman amateur, youth,Park,Jo,,,,,\r\n"
                   ",Kim,Grace,,,\"two\r\nlines\",,\r\n"
                   "\r\n"
                   ",  ,Nobody,,,,,\r\n"
                   "Non-competitor,Smith|Jr,Al,,,,,\r\n"
                   ",\xC5\x81"
                   "ada,Ola,,,,,\r\n"
                   "Gentleman professional,Tan,Li\r\n");

    // An older roster, saved in the code page with semicolons by another spreadsheet.
    const std::string older = dir.File("old.csv");
    WriteFileBytes(older, "Last name;First name\nB\xE9gin;Ren\xE9\n");

    CPersonListDialog list(db);
    ui.fileAnswers = {roster, older};
    list.OnImport();
    list.OnImport();

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0],
              "Persons from roster.csv:\n3 persons added.\n\n"
              "Already in the studio, not added again: FOX, dee.\n\n"
              "Lines not imported:\n"
              "Line 4: unknown type \"Lady pro\".\n"
              "Line 5: unknown type \"Gentleman amateur\".\n"
              "Line 6: a field separator (| ; or tab) or line break in \"Note to MC\".\n"
              "Line 9: empty last name.\n"
              "Line 10: a field separator (| ; or tab) or line break in the name.\n\n"
              "Line 11: characters that a studio data file cannot hold became \"?\".\n\n"
              "Columns left out (not known): \"E-mail\"");
    const CPersonRecord& eva = Person(1);
    EXPECT_EQ(eva.number, 2);
    EXPECT_EQ(eva.lastName, "M\xFCller");
    EXPECT_EQ(eva.firstName, "Eva");
    EXPECT_EQ(eva.nickname, "\"Evi\"");
    EXPECT_EQ(eva.noteToMC, "MUE-ler");
    EXPECT_EQ(eva.membershipNumber, "M-7");
    EXPECT_EQ(eva.ssNumber, "99");
    EXPECT_EQ(eva.gender, 'F');
    EXPECT_EQ(eva.classLetter, 'A');
    EXPECT_EQ(eva.youth, 0);
    EXPECT_EQ(eva.version, 2);
    EXPECT_EQ(Person(2).lastName, "?ada");
    EXPECT_EQ(Person(2).gender, 0);
    EXPECT_EQ(Person(3).lastName, "Tan");
    EXPECT_EQ(Person(3).classLetter, 'P');
    EXPECT_EQ(ui.messages[1], "Persons from old.csv:\n1 person added.");
    ASSERT_EQ(db.personArray.size(), 5u);
    EXPECT_EQ(Person(4).lastName, "B\xE9gin");
    EXPECT_EQ(Person(4).firstName, "Ren\xE9");
    EXPECT_EQ(Lines(list.persons).size(), 5u);
    const std::string saved = ReadFileBytes(db.dataFileName);
    EXPECT_NE(saved.find("PR|F2|A|Eva|M\xFCller|"), std::string::npos);
    EXPECT_NE(saved.find("|Ren\xE9|B\xE9gin|"), std::string::npos);
}

TEST_F(PersonImportTest, AFileThatCannotBeReadChangesNothingAndSaysWhy) {
    AddPersonRecord(db, 'F', 'P', 0, "Dee", "Fox");
    const std::string noLastName = dir.File("names.csv");
    WriteFileBytes(noLastName, "Surname,First name\r\nLee,Ann\r\n");
    const std::string garbage = dir.File("notes.tvr");
    WriteFileBytes(garbage, "Dear studio,\r\nsee you in May.\r\n");

    CPersonListDialog list(db);
    ui.fileAnswers = {dir.File("gone.csv"), noLastName, garbage, dir.File("gone.tvr"), ""};
    for (int i = 0; i < 5; ++i) {
        list.OnImport();
    }
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "No persons were imported: gone.csv cannot be read (No such file or directory).",
                  "No persons were imported: names.csv cannot be read (its first line names no "
                  "\"Last name\" column).",
                  "No persons were imported: notes.tvr cannot be read (it holds no studio data).",
                  "No persons were imported: gone.tvr cannot be read (No such file or "
                  "directory)."}));
    EXPECT_EQ(db.personArray.size(), 1u);
    EXPECT_FALSE(fs::exists(db.dataFileName));
}

TEST_F(PersonImportTest, ARosterGoesToASpreadsheetAndBackUnchanged) {
    CPersonRecord& ann = AddPersonRecord(db, 'F', 'A', 1, "Ann \"Jo\"", "O'Lee, Jr.");
    ann.nickname = "Caf\xE9";
    ann.noteToMC = "oh-LEE";
    ann.membershipNumber = "A-1";
    ann.ssNumber = "000-12";
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    AddPersonRecord(db, 0, 0, 0, "", "Oak");

    // A folder that is not there, then a cancelled file dialog, then a good place.
    const std::string nowhere = dir.File("no folder") + "/roster.csv";
    const std::string first = dir.File("first.csv");
    ui.fileAnswers = {nowhere, "", first};
    CPersonListDialog list(db);
    list.OnExport();
    list.OnExport();
    list.OnExport();
    EXPECT_EQ(ui.lastSuggestedName, "Star_Dance_Persons.csv");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].rfind("The persons could not be written to " + nowhere + " (", 0), 0u)
        << ui.messages[0];
    EXPECT_FALSE(fs::exists(nowhere));
    EXPECT_EQ(ui.messages[1], "3 persons written to " + first + ".");
    // The byte order mark tells a spreadsheet opened by a double click that this is UTF-8.
    const std::string csv = ReadFileBytes(first);
    EXPECT_EQ(csv,
              "\xEF\xBB\xBF"
              "Last name,First name,Type,Nick name,Note to MC,Member #,SS #\r\n"
              "\"O'Lee, Jr.\",\"Ann \"\"Jo\"\"\",\"Lady amateur, youth\",Caf\xC3\xA9,oh-LEE,A-1,"
              "000-12\r\n"
              "Ray,Bob,Gentleman professional,,,,\r\n"
              "Oak,,Non-competitor,,,,\r\n");

    // Into the next competition's empty studio, and out again.
    CScriptedUi nextUi;
    CDatabase next(nextUi);
    next.fieldSeparator = "|";
    next.dataFileName = dir.File("Next_Star_Dance.tvr");
    AddStudio(next, "Star Dance");
    nextUi.fileAnswers = {first, dir.File("second.csv")};
    CPersonListDialog nextList(next);
    nextList.OnImport();
    nextList.OnExport();
    EXPECT_EQ(nextUi.messages.front(), "Persons from first.csv:\n3 persons added.");
    EXPECT_EQ(ReadFileBytes(dir.File("second.csv")), csv);
    ASSERT_EQ(next.personArray.size(), db.personArray.size());
    const auto fieldsOf = [](const CPersonRecord& p) {
        return std::make_tuple(p.lastName, p.firstName, p.gender, p.classLetter, p.youth,
                               p.nickname, p.noteToMC, p.membershipNumber, p.ssNumber);
    };
    for (std::size_t i = 0; i < db.personArray.size(); ++i) {
        EXPECT_EQ(fieldsOf(*next.personArray[i]), fieldsOf(Person(i))) << i;
    }
}

}  // namespace
