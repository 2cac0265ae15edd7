// Rosters as studios really send them: stray quotes, names far too long, letters the studio file
// cannot hold, plain words for the type, empty and NUL lines, UTF-16, and very many lines. Every
// line of the file is accounted for, and nothing imported is lost at the next read.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <tuple>

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "persons/ImportSummaryWindow.h"
#include "persons/PersonImport.h"
#include "persons/PersonListDialog.h"
#include "persons/RosterTypes.h"
#include "support/ListLines.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class RosterImportStoryTest : public ::testing::Test {
protected:
    RosterImportStoryTest() {
        db.fieldSeparator = "|";
        db.dataFileName = dir.File("Fall_Star_Dance.tvr");
        AddStudio(db, "Star Dance");
    }

    std::string Roster(const std::string& bytes) {
        const std::string path = dir.File("roster.csv");
        WriteFileBytes(path, bytes);
        return path;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& person : db.personArray) {
            names.push_back(person->lastName + ", " + person->firstName);
        }
        return names;
    }

    // Adds every line count the summary gives up to what it says was read.
    static void ExpectEveryLineAccountedFor(const CImportSummary& summary, int lines) {
        EXPECT_EQ(summary.read, lines);
        EXPECT_EQ(summary.added + static_cast<int>(summary.alreadyThere.size()) +
                      static_cast<int>(summary.refusedLines.size()),
                  summary.read);
    }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

// An unclosed quote on line 3 once swallowed lines 4 and 5; a quote inside a value swallowed
// the next good line.
TEST_F(RosterImportStoryTest, AStrayQuoteCostsItsOwnLineAndNoOther) {
    const CImportSummary summary = ImportPersons(db, Roster("Last name,First name\r\n"
                                                            "Lee,Ann\r\n"
                                                            "\"Ray,Bob\r\n"
                                                            "Oak,Cy\r\n"
                                                            "Fox,Dee\r\n"
                                                            "O\"Brien,Pat\r\n"
                                                            "Kim,Grace\r\n"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Lee, Ann", "Oak, Cy", "Fox, Dee", "O\"Brien, Pat",
                                                 "Kim, Grace"}));
    EXPECT_EQ(summary.refusedLines,
              (std::vector<std::string>{"Line 3: a quotation mark that is never closed"}));
    ExpectEveryLineAccountedFor(summary, 6);
    EXPECT_EQ(ImportSummaryText(summary),
              "Persons from roster.csv:\n5 persons added.\n"
              "6 lines read: 5 added, 0 already in the studio, 1 not imported.\n\n"
              "Lines not imported:\nLine 3: a quotation mark that is never closed.");
}

// A 6,000-character name was reported as added, and was gone at the next read of the file.
TEST_F(RosterImportStoryTest, AValueLongerThanItsDialogFieldIsRefusedOnItsLine) {
    const std::string longName(6000, 'W');
    const std::string fortyOne(41, 'x');
    const std::string fourty(40, 'y');
    const CImportSummary summary = ImportPersons(
        db, Roster("Last name,First name,Note to MC,Member #\r\n" + longName + ",Ann,,\r\n" +
                   fourty + "," + fourty + ",,\r\n" + "Lee," + fortyOne + ",,\r\n" + "Ray,Bob," +
                   std::string(61, 'n') + ",\r\n" + "Oak,Cy,," + std::string(21, '7') + "\r\n"));
    EXPECT_EQ(summary.refusedLines,
              (std::vector<std::string>{"Line 2: \"Last name\" is longer than 40 characters",
                                        "Line 4: \"First name\" is longer than 40 characters",
                                        "Line 5: \"Note to MC\" is longer than 60 characters",
                                        "Line 6: \"Member #\" is longer than 20 characters"}));
    // Forty characters are what the dialog takes, so they come in and survive a read.
    ASSERT_EQ(Names(), (std::vector<std::string>{fourty + ", " + fourty}));
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    CScriptedUi againUi;
    CDatabase again(againUi);
    again.dataFileName = db.dataFileName;
    ASSERT_TRUE(ReadDataFile(again));
    ASSERT_EQ(again.personArray.size(), 1u);
    EXPECT_EQ(again.personArray.front()->lastName, fourty);
}

// Ł once became "?" without a word; now its plain letter is stored and the summary says so.
TEST_F(RosterImportStoryTest, LettersTheFileCannotHoldBecomeTheirPlainLettersWithANote) {
    const CImportSummary summary =
        ImportPersons(db, Roster("Last name,First name,Nick name\r\n"
                                 "M\xC3\xBCller,Eva,\r\n"            // ü is in the code page
                                 "W\xC3\xB3jcik,\xC5\x81ukasz,\r\n"  // Ł
                                 "Ionescu,Andrei,\xC8\x98tefi\r\n"   // Ș
                                 "Sz\xC5\x91ke,Ol\xC3\xA1h,\xC5\x81"
                                 "ala \xC5\x82\r\n"          // ő, Ł and ł
                                 "\xE7\x8E\x8B,Wei,\r\n"));  // 王: no plain letter
    EXPECT_EQ(Names(), (std::vector<std::string>{"M\xFCller, Eva", "W\xF3jcik, Lukasz",
                                                 "Ionescu, Andrei", "Szoke, Ol\xE1h"}));
    EXPECT_EQ(db.personArray[2]->nickname, "Stefi");
    EXPECT_EQ(db.personArray[3]->nickname, "Lala l");
    EXPECT_EQ(summary.plainLetterNotes,
              (std::vector<std::string>{
                  "Line 3, W\xC3\xB3jcik, \xC5\x81ukasz: \xC5\x81 is stored as L",
                  "Line 4, Ionescu, Andrei: \xC8\x98 is stored as S",
                  "Line 5, Sz\xC5\x91ke, Ol\xC3\xA1h: \xC5\x91 is stored as o, \xC5\x81 as L, "
                  "\xC5\x82 as l"}));
    EXPECT_EQ(summary.refusedLines,
              (std::vector<std::string>{"Line 6: \xE7\x8E\x8B cannot be stored in a studio data "
                                        "file (it has no plain letter there)"}));
    for (const auto& person : db.personArray) {
        EXPECT_EQ(person->lastName.find('?'), std::string::npos) << person->lastName;
        EXPECT_EQ(person->firstName.find('?'), std::string::npos) << person->firstName;
    }
    ExpectEveryLineAccountedFor(summary, 5);
}

// A spreadsheet says "Pro", "Student" or "Youth" and keeps the gender in a column of its own.
TEST_F(RosterImportStoryTest, PlainTypeWordsAndAGenderColumnGiveTheSevenTypes) {
    const CImportSummary summary = ImportPersons(db, Roster("Last name,First name,Type,Gender\r\n"
                                                            "A,1,Professional,M\r\n"
                                                            "B,2,Pro,Female\r\n"
                                                            "C,3,Lady pro,\r\n"
                                                            "D,4,Amateur,Gentleman\r\n"
                                                            "E,5,Student,Lady\r\n"
                                                            "F,6,Youth,m\r\n"
                                                            "G,7,gentleman amateur youth,\r\n"
                                                            "H,8,Non-competitor,\r\n"
                                                            "I,9,Pro,\r\n"
                                                            "J,10,Golfer,M\r\n"
                                                            "K,11,Youth pro,F\r\n"));
    const std::vector<std::tuple<char, char, int>> expected = {
        {'M', 'P', 0}, {'F', 'P', 0}, {'F', 'P', 0}, {'M', 'A', 0},
        {'F', 'A', 0}, {'M', 'A', 1}, {'M', 'A', 1}, {0, 0, 0}};
    ASSERT_EQ(db.personArray.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const CPersonRecord& p = *db.personArray[i];
        EXPECT_EQ(std::make_tuple(p.gender, p.classLetter, static_cast<int>(p.youth)), expected[i])
            << p.lastName;
    }
    EXPECT_EQ(
        summary.refusedLines,
        (std::vector<std::string>{
            "Line 10: the type \"Pro\" says no gentleman or lady (add a \"Gender\" column, or "
            "write \"Gentleman\" or \"Lady\" in the type)",
            "Line 11: unknown type \"Golfer\"", "Line 12: unknown type \"Youth pro\""}));
    // The summary names the seven types once, after the counts.
    const std::string text = ImportSummaryText(summary);
    EXPECT_NE(text.find("\n\nThe \"Type\" column takes one of these: \"Gentleman professional\", "
                        "\"Lady professional\", \"Gentleman amateur, adult\", \"Lady amateur, "
                        "adult\", \"Gentleman amateur, youth\", \"Lady amateur, youth\", "
                        "\"Non-competitor\". It also takes"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find(RosterTypesHelp()), text.rfind(RosterTypesHelp()));
}

// A line of blanks or NUL bytes was added as a person whose name is blanks; a UTF-16 roster was
// read as garbage.
TEST_F(RosterImportStoryTest, BlankAndNulLinesAreRefusedAndUtf16IsNamed) {
    const CImportSummary summary =
        ImportPersons(db, Roster(std::string("Last name,First name\r\nLee,Ann\r\n   ,  \r\n") +
                                 std::string(12, '\0') + "\r\n\x01\x02,\x7F\r\n\r\nRay,Bob\r\n"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Lee, Ann", "Ray, Bob"}));
    EXPECT_EQ(summary.refusedLines,
              (std::vector<std::string>{"Line 3: nothing but blanks or control characters",
                                        "Line 4: nothing but blanks or control characters",
                                        "Line 5: nothing but blanks or control characters"}));
    ExpectEveryLineAccountedFor(summary, 5);

    const std::string utf16 = dir.File("unicode.csv");
    WriteFileBytes(utf16, std::string("\xFF\xFEL\0a\0s\0t\0", 10));
    const CImportSummary unicode = ImportPersons(db, utf16);
    EXPECT_FALSE(unicode.readable);
    EXPECT_EQ(ImportSummaryText(unicode),
              "No persons were imported: unicode.csv cannot be read (it is UTF-16 text; save it "
              "as CSV UTF-8).");
    // Without a byte order mark too.
    WriteFileBytes(utf16, std::string("L\0a\0s\0t\0 \0n\0", 12));
    EXPECT_FALSE(ImportPersons(db, utf16).readable);
    EXPECT_EQ(db.personArray.size(), 2u);
}

// The studio's names and the file's own are found through one index keyed as the rule compares:
// case and accents aside, so "MULLER" is the "Müller" already there.
TEST_F(RosterImportStoryTest, NamesAlreadyThereAreFoundIgnoringCaseAndAccents) {
    AddPersonRecord(db, 'F', 'A', 0, "Eva", "M\xFCller");
    const CImportSummary summary = ImportPersons(db, Roster("Last name,First name\r\n"
                                                            "MULLER,eva\r\n"
                                                            "Begin,Rene\r\n"
                                                            "B\xC3\xA9gin,Ren\xC3\xA9\r\n"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"M\xFCller, Eva", "Begin, Rene"}));
    EXPECT_EQ(summary.alreadyThere,
              (std::vector<std::string>{"MULLER, eva", "B\xC3\xA9gin, Ren\xC3\xA9"}));
    ExpectEveryLineAccountedFor(summary, 3);
}

// 20,000 rows took 12 s and 40,000 took 64 s; with the index they take well under a second or
// two, and twice the rows take about twice the time, not four times.
TEST_F(RosterImportStoryTest, ALargeRosterImportsInTimeGrowingWithItsLines) {
    auto rosterOf = [](int rows) {
        std::string bytes = "Last name,First name,Type\r\n";
        for (int i = 0; i < rows; ++i) {
            bytes += "Name" + std::to_string(i) + ",First" + std::to_string(i % 97) +
                     ",Lady amateur\r\n";
        }
        return bytes;
    };
    auto secondsFor = [&](int rows) {
        CScriptedUi quietUi;
        CDatabase store(quietUi);
        AddStudio(store, "Star Dance");
        const std::string path = dir.File("big" + std::to_string(rows) + ".csv");
        WriteFileBytes(path, rosterOf(rows));
        const auto start = std::chrono::steady_clock::now();
        const CImportSummary summary = ImportPersons(store, path);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(summary.added, rows);
        return seconds;
    };
    const double small = secondsFor(10000);
    const double large = secondsFor(40000);
    EXPECT_LT(large, 10.0);
    // Four times the rows: a square would take sixteen times as long.
    EXPECT_LT(large, 10 * small + 0.5) << small << " s against " << large << " s";
}

// Cancel in the progress window imports nobody, and the file is not written.
TEST_F(RosterImportStoryTest, CancellingALongImportAddsNobody) {
    std::string bytes = "Last name,First name\r\n";
    for (int i = 0; i < 3000; ++i) {
        bytes += "Name" + std::to_string(i) + ",X\r\n";
    }
    const std::string path = Roster(bytes);
    ui.fileAnswers = {path, path};
    ui.cancelAtReport = 3;
    CPersonListDialog list(db);
    list.OnImport();
    EXPECT_EQ(ui.progressReports, (std::vector<std::string>{"256/3000", "512/3000", "768/3000"}));
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{
                  "open file: Import persons", "progress: Importing persons from roster.csv...",
                  "message: The import from roster.csv was cancelled: no person was added."}));
    EXPECT_TRUE(db.personArray.empty());
    EXPECT_TRUE(Lines(list.persons).empty());

    // Not cancelled, the bar reaches its end and everyone is there.
    ui.cancelAtReport = 0;
    ui.progressReports.clear();
    list.OnImport();
    EXPECT_EQ(ui.progressReports.back(), "3000/3000");
    EXPECT_EQ(db.personArray.size(), 3000u);
    EXPECT_EQ(Lines(list.persons).size(), 3000u);
}

// 200,000 refused lines made a message box taller than any screen; now they scroll in a list of
// the summary window, which saves them to a text file.
TEST_F(RosterImportStoryTest, AThousandsOfRefusedLinesScrollInTheSummaryAndAreSaved) {
    std::string bytes = "Last name,Type\r\nLee,Lady professional\r\n";
    for (int i = 0; i < 20000; ++i) {
        bytes += "Ray" + std::to_string(i) + ",Golfer\r\n";
    }
    const std::string listFile = dir.File("refused.txt");
    ui.fileAnswers = {Roster(bytes), "", dir.File("no folder") + "/x.txt", listFile};
    ui.ExpectDialog<CImportSummaryWindow>([&](CImportSummaryWindow& window) {
        EXPECT_EQ(window.SummaryText().rfind("Persons from roster.csv:\n1 person added.\n"
                                             "20001 lines read: 1 added, 0 already in the "
                                             "studio, 20000 not imported.",
                                             0),
                  0u)
            << window.SummaryText();
        EXPECT_EQ(window.refused.GetCount(), 20000);
        EXPECT_EQ(window.refused.GetText(0), "Line 3: unknown type \"Golfer\"");
        EXPECT_EQ(window.refused.GetText(19999), "Line 20002: unknown type \"Golfer\"");
        window.OnSaveList();  // cancelled
        window.OnSaveList();  // a folder that is not there
        window.OnSaveList();
        return IDOK;
    });
    CPersonListDialog list(db);
    list.OnImport();
    EXPECT_EQ(ui.lastSuggestedName, "roster_not_imported.txt");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].rfind(
                  "The list could not be written to " + dir.File("no folder") + "/x.txt (", 0),
              0u)
        << ui.messages[0];
    EXPECT_EQ(ui.log.back(), "information: 20000 lines written to " + listFile + ".");
    const std::string saved = ReadFileBytes(listFile);
    EXPECT_EQ(
        saved.rfind("Line 3: unknown type \"Golfer\"\r\nLine 4: unknown type \"Golfer\"\r\n", 0),
        0u);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 20000);
    EXPECT_EQ(db.personArray.size(), 1u);
}

}  // namespace
