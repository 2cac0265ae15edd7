#include <gtest/gtest.h>

#include "data/Database.h"
#include "formats/DataFileMerge.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

const std::string S =
    "ST|Star Dance|1 Main St||Springfield|IL|62701||555-1234||a@b.c|M|R|0|3.27.2002.14.5.0|";
const std::string kNoPerson = "PR|||||||||||";
const std::string kBob = "PR|M2|P|Bob|Ray|Bobby||||R4294967295|0|3.27.2002.10.0.0|";
const std::string kAnn = "PR|f2|A|Ann|Lee|||||R4294967295|0|3.27.2002.9.30.0|";

class DataFileReaderTest : public ::testing::Test {
protected:
    DataFileReaderTest() {
        db.dataFileName = dir.File("Spring_Star_Dance.tvr");
        AddCategory(db, 12, "Rhythm", {{1, "Cha cha"}, {2, "Rumba"}}, {{2, "Bronze"}},
                    {{3, "Adult"}});
    }
    // Reads the given lines (each is ended with CR LF here).
    void Read(const std::vector<std::string>& lines) {
        std::string bytes;
        JoinLines(lines, bytes);
        WriteFileBytes(db.dataFileName, bytes);
        ASSERT_TRUE(ReadDataFile(db));
    }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

// The file may spell a person's name in capitals on one line: accented letters included, it is
// still the one person.
TEST_F(DataFileReaderTest, ANameInCapitalsWithAccentsIsTheSamePerson) {
    const std::string lower = "PR|M2|A|J\xF6rg|M\xFCller||||||R4294967295|0|3.27.2002.10.0.0|";
    const std::string upper = "PR|M2|A|J\xD6RG|M\xDCLLER||||||R4294967295|0|3.27.2002.10.0.0|";
    Read({S, lower + S, "CM|1|1|Vegetarian|" + upper + S});
    ASSERT_EQ(db.personArray.size(), 1u);
    EXPECT_EQ(db.personArray[0]->pCommentArray.size(), 1u);
}

// A later program writes its persons as version 3: the record is laid out as version 2 is, with
// the note to the MC, and everything after the note stays in its place through a save.
TEST_F(DataFileReaderTest, APersonOfAVersionAbove2KeepsItsNoteAndTheFieldsAfterIt) {
    const std::string bob =
        "PR|M3|P|Bob|Ray|Bobby|Likes the spotlight|M-77|SS-12|R4294967295|0|3.27.2002.10.0.0|";
    Read({S, bob + S, "EN|12|1|2|3|M||N|10.00|0|3.27.2002.15.0.0|" + S + bob + kAnn + kNoPerson});
    auto expectBob = [](const CDatabase& store) {
        ASSERT_EQ(store.personArray.size(), 2u);
        const CPersonRecord& read = *store.personArray[0];
        EXPECT_EQ(read.version, 3);
        EXPECT_EQ(read.gender, 'M');
        EXPECT_EQ(read.classLetter, 'P');
        EXPECT_EQ(read.lastName, "Ray");
        EXPECT_EQ(read.nickname, "Bobby");
        EXPECT_EQ(read.noteToMC, "Likes the spotlight");
        EXPECT_EQ(read.membershipNumber, "M-77");
        EXPECT_EQ(read.ssNumber, "SS-12");
        EXPECT_EQ(read.roommateGroup, -1);
        EXPECT_EQ(read.created, MarchDate(10, 0));
        ASSERT_EQ(store.entryArray.size(), 1u);
        EXPECT_EQ(store.entryArray[0]->gentleman, read.number);
        EXPECT_EQ(store.entryArray[0]->lady, store.personArray[1]->number);
    };
    expectBob(db);
    // Saved and read again.
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    CDatabase reread(ui);
    AddCategory(reread, 12, "Rhythm", {{1, "Cha cha"}, {2, "Rumba"}}, {{2, "Bronze"}},
                {{3, "Adult"}});
    reread.dataFileName = db.dataFileName;
    ASSERT_TRUE(ReadDataFile(reread));
    expectBob(reread);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataFileReaderTest, APersonOnManyLinesIsStoredOnce) {
    Read({S, kBob + S, "EN|12|1|2|3|M||N|10.00|0|3.27.2002.15.0.0|" + S + kBob + kAnn + kNoPerson,
          "PU|O|4|1|25.00|Ray, Bob|Ticket|0|3.27.2002.16.0.0|" + S + kBob,
          "CM|1|1|Vegetarian|" + kBob + S});
    ASSERT_EQ(db.studioArray.size(), 1u);
    ASSERT_EQ(db.personArray.size(), 2u);
    const CPersonRecord& bob = *db.personArray[0];
    EXPECT_EQ(bob.number, 1);
    EXPECT_EQ(bob.studioNumber, 1);
    EXPECT_EQ(bob.version, 2);
    EXPECT_EQ(bob.nickname, "Bobby");
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->gentleman, 1);
    EXPECT_EQ(db.entryArray[0]->lady, 2);
    EXPECT_EQ(db.entryArray[0]->coach, -1);
    EXPECT_EQ(db.entryArray[0]->owner, 1);
    ASSERT_EQ(db.purchaseArray.size(), 1u);
    EXPECT_EQ(db.purchaseArray[0]->purchaserNumber, 1);
    EXPECT_EQ(db.purchaseArray[0]->quantity, 1);
    EXPECT_EQ(db.purchaseArray[0]->price, 2500);
    ASSERT_EQ(bob.pCommentArray.size(), 1u);
    EXPECT_EQ(bob.pCommentArray.at(0).text, "Vegetarian");
    // The lady read only from the entry line is a youth amateur without studio of her own.
    const CPersonRecord& ann = *db.personArray[1];
    EXPECT_EQ(ann.gender, 'F');
    EXPECT_EQ(ann.classLetter, 'A');
    EXPECT_EQ(ann.youth, 1);
    EXPECT_EQ(ann.studioNumber, 1);
}

TEST_F(DataFileReaderTest, OnlyThePersonsOwnLineUpdatesHisTexts) {
    const std::string renamed = "PR|M2|P|Bob|Ray|Robert||||R4294967295|0|3.27.2002.10.0.0|";
    Read({S, kBob + S,
          "EN|12|1|2|3|M||N|10.00|0|3.27.2002.15.0.0|" + S + renamed + kAnn + kNoPerson});
    EXPECT_EQ(db.personArray[0]->nickname, "Bobby");
    Read({S, renamed + S});
    ASSERT_EQ(db.personArray.size(), 2u);
    EXPECT_EQ(db.personArray[0]->nickname, "Robert");
}

TEST_F(DataFileReaderTest, SameNamesAreOnePersonOnlyWithTheSameClassAndTime) {
    Read({S, kBob + S, "PR|m2|P|BOB|RAY|||||R4294967295|0|3.27.2002.10.0.0|" + S,
          "PR|M2|P|Bob|Ray|||||R4294967295|0|3.27.2002.10.1.0|" + S,
          "PR|M2|A|Bob|Ray|||||R4294967295|0|3.27.2002.10.0.0|" + S});
    ASSERT_EQ(db.personArray.size(), 3u);
    // The second line is the first person again (case and youth take no part) and updates him.
    EXPECT_EQ(db.personArray[0]->lastName, "RAY");
    EXPECT_EQ(db.personArray[0]->youth, 1);
    EXPECT_EQ(db.personArray[1]->created, MarchDate(10, 1));
    EXPECT_EQ(db.personArray[2]->classLetter, 'A');
}

TEST_F(DataFileReaderTest, TheStudioLineUpdatesTextsButNotTheKind) {
    Read({S,
          "ST|STAR DANCE|2 Oak Rd||Springfield|IL|62701||555-1234||a@b.c|I|R|0|3.27.2002.14.5.0|"});
    ASSERT_EQ(db.studioArray.size(), 1u);
    EXPECT_EQ(db.studioArray[0]->name, "STAR DANCE");
    EXPECT_EQ(db.studioArray[0]->address1, "2 Oak Rd");
    EXPECT_EQ(db.studioArray[0]->kind, 'M');
}

TEST_F(DataFileReaderTest, APurchaseWithoutPriceTakesNameAndPriceFromTheSetupFile) {
    auto package = std::make_unique<CPackageRecord>();
    package->number = 3;
    package->name = "Full package";
    db.packageArray.push_back(std::move(package));
    auto item = std::make_unique<CPriceListRecord>();
    item->number = 3;
    item->name = "Dinner";
    db.priceListArray.push_back(std::move(item));
    Read({S, "PU|P|3|1||Studio|old name|0|3.27.2002.16.0.0|" + S + kNoPerson,
          "PU|O|3|2||Studio||0|3.27.2002.16.0.0|" + S + kNoPerson,
          "PU|O|99|1||Studio|Lost|0|3.27.2002.16.0.0|" + S + kNoPerson});
    ASSERT_EQ(db.purchaseArray.size(), 3u);
    EXPECT_EQ(db.purchaseArray[0]->itemName, "Full package");
    EXPECT_EQ(db.purchaseArray[0]->price, 0);
    EXPECT_EQ(db.purchaseArray[0]->purchaserNumber, -1);
    EXPECT_EQ(db.purchaseArray[1]->itemName, "Dinner");
    EXPECT_EQ(db.purchaseArray[2]->itemName, "");
    EXPECT_EQ(db.purchaseArray[2]->price, -1);
}

TEST_F(DataFileReaderTest, IdenticalPurchaseAndEntryLinesAreDistinctRecords) {
    // Two tickets bought one after the other within the same minute.
    const std::string ticket = "PU|O|4|1|25.00|Ray, Bob|Ticket|0|3.27.2002.16.0.0|" + S + kBob;
    const std::string entry =
        "EN|12|1|2|3|M||N|10.00|0|3.27.2002.15.0.0|" + S + kBob + kAnn + kNoPerson;
    Read({S, kBob + S, ticket, ticket, entry, entry});
    EXPECT_EQ(db.purchaseArray.size(), 2u);
    EXPECT_EQ(db.entryArray.size(), 2u);
}

TEST_F(DataFileReaderTest, ALineRepeatingAPurchaseTheStoreHeldIsNotAddedAgain) {
    Read({S, kBob + S});
    CPurchaseLine line;
    line.type = 'O';
    line.itemNumber = 4;
    line.purchaserName = "Ray, Bob";
    line.itemName = "Ticket";
    line.price = 2500;
    line.created = MarchDate(16, 0);
    line.studioNumber = 1;
    line.purchaserNumber = 1;
    EXPECT_EQ(MergePurchase(db, line, db.purchaseArray.size()), 1);
    EXPECT_EQ(MergePurchase(db, line, db.purchaseArray.size()), 1);
    line.price = 3000;  // the price takes no part
    MergePurchase(db, line, db.purchaseArray.size());
    EXPECT_EQ(db.purchaseArray.size(), 1u);
    line.itemName = "ticket";
    MergePurchase(db, line, db.purchaseArray.size());
    EXPECT_EQ(db.purchaseArray.size(), 2u);
}

TEST_F(DataFileReaderTest, TheSameCommentTwiceIsOneComment) {
    Read({S, kBob + S, "CM|1|1|Vegetarian|" + kBob + S, "CM|1|1|Vegetarian|" + kBob + S,
          "CM|1|1|Late arrival|" + kBob + S, "CM|4|300|Studio note|" + S + kNoPerson});
    ASSERT_EQ(db.personArray[0]->pCommentArray.size(), 2u);
    ASSERT_EQ(db.studioArray[0]->pCommentArray.size(), 1u);
    const CommentEntry& note = db.studioArray[0]->pCommentArray.at(0);
    EXPECT_EQ(note.first, 4);
    EXPECT_EQ(note.second, 300 & 0xFF);
    EXPECT_EQ(MergeComment(db, 1, 1, "x", 77, 77), 0);
}

TEST_F(DataFileReaderTest, RoommateGroupsSurviveASaveAndReload) {
    Read({S, kBob + S, "PR|F2|P|Cat|Fox|||||R9|0|3.27.2002.9.0.0|" + S,
          "PR|F2|P|Dot|Fox|||||R9|0|3.27.2002.9.0.0|" + S});
    EXPECT_EQ(db.personArray[0]->roommateGroup, -1);
    EXPECT_EQ(db.personArray[1]->roommateGroup, 9);
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    CDatabase again(ui);
    again.dataFileName = db.dataFileName;
    ASSERT_TRUE(ReadDataFile(again));
    EXPECT_EQ(again.personArray[0]->roommateGroup, -1);
    EXPECT_EQ(again.personArray[2]->roommateGroup, 9);
}

TEST_F(DataFileReaderTest, GroupDancersBelongToTheNextEntryLineOnly) {
    const std::string cat = "PR|F2|A|Cat|Fox|||||R4294967295|0|3.27.2002.9.0.0|";
    const std::string dot = "PR|F2|A|Dot|Fox|||||R4294967295|0|3.27.2002.9.0.0|";
    Read({S, "GR|" + S + "|" + dot, "GR|" + S + "|" + cat,
          "EN|12|1|2|3|G|Team|N|0.00|0|3.27.2002.15.0.0|" + S + kNoPerson + kNoPerson + kNoPerson,
          "GR|" + S + "|" + cat,
          // An unknown category adds no entry, and its dancer is not carried on.
          "EN|99|1|2|3|G|Team|N|0.00|0|3.27.2002.15.0.0|" + S + kNoPerson + kNoPerson + kNoPerson,
          "EN|12|1|2|3|X|Team|N|0.00|0|3.27.2002.15.0.0|" + S + kNoPerson + kNoPerson + kNoPerson,
          "EN|12|2|2|3|G|Team|N|0.00|0|3.27.2002.15.0.0|" + S + kNoPerson + kNoPerson + kNoPerson});
    ASSERT_EQ(db.entryArray.size(), 2u);
    EXPECT_EQ(db.entryArray[0]->dancers, (std::vector<int32_t>{1, 2}));
    EXPECT_TRUE(db.entryArray[1]->dancers.empty());
}

TEST_F(DataFileReaderTest, EntriesTakeWhatTheirCategoryGives) {
    CDanceCategory& category = *db.categoryArray[0];
    category.kind = 'S';
    category.entryMark = 'Q';
    category.style = 'N';
    (category.pcaLevels)[0].name = "Bronze proficiency";
    Read({S, "EN|12|1|2|3|M||N|0.0005|0|3.27.2002.15.0.0|" + S + kBob + kAnn + kNoPerson,
          "EN|12|1|7|3|M||N|5|0|3.27.2002.15.0.0|" + S + kBob + kAnn + kNoPerson});
    const CEntryRecord& entry = *db.entryArray[0];
    EXPECT_EQ(entry.kind, 'S');
    EXPECT_EQ(entry.entryMark, 'Q');
    EXPECT_EQ(entry.style, 'P');
    EXPECT_EQ(entry.amount, 0);
    EXPECT_EQ(entry.statusLetter, 'N');
    EXPECT_EQ(db.entryArray[1]->style, 'N');
    EXPECT_EQ(db.entryArray[1]->amount, 500);
}

TEST_F(DataFileReaderTest, TheDancesOfOneFormReadBackIntoOneForm) {
    const std::string couple = S + kBob + kAnn + kNoPerson;
    Read({S, "EN|12|1|2|3|M||N|0|0|3.27.2002.15.0.0|" + couple,
          "EN|12|2|2|3|M||N|0|0|3.27.2002.15.0.0|" + couple,
          "EN|12|1|9|3|M||N|0|0|3.27.2002.15.0.0|" + couple,
          "EN|12|1|2|3|G|Team|N|0|0|3.27.2002.15.0.0|" + couple,
          "EN|12|2|2|3|G|Team|N|0|0|3.27.2002.15.0.0|" + couple});
    ASSERT_EQ(db.entryArray.size(), 5u);
    EXPECT_EQ(db.entryArray[0]->formCode, 1);
    EXPECT_EQ(db.entryArray[1]->formCode, 1);
    EXPECT_EQ(db.entryArray[2]->formCode, 2);
    // A team name keeps each entry in a form of its own.
    EXPECT_EQ(db.entryArray[3]->formCode, 3);
    EXPECT_EQ(db.entryArray[4]->formCode, 4);
}

TEST_F(DataFileReaderTest, ATabSeparatedFileIsWrittenBackWithTabs) {
    std::string tabbed = S + "\r\n" + kBob + S + "\r\n" + "CM|1|1|Note|" + S + kNoPerson + "\r\n";
    std::replace(tabbed.begin(), tabbed.end(), '|', '\t');
    WriteFileBytes(db.dataFileName, tabbed);
    ASSERT_TRUE(ReadDataFile(db));
    EXPECT_EQ(db.fieldSeparator, "\t");
    ASSERT_EQ(db.personArray.size(), 1u);
    EXPECT_EQ(db.studioArray[0]->pCommentArray.size(), 1u);
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    EXPECT_EQ(ReadFileBytes(db.dataFileName), tabbed);
}

TEST_F(DataFileReaderTest, ANonCompetitorKeepsEveryFieldInPlace) {
    const std::string guest = "PR|||Cy|Guest|Nick|Say Sigh|M-1|123|R4294967295|7|3.27.2002.11.0.0|";
    const std::string oldGuest = "PR|||Di|Old|Nick|M-2|456|R4294967295|0|3.27.2002.11.0.0|";
    Read({S, guest + S, oldGuest + S, "CM|1|1|Guest note|" + guest + S});
    ASSERT_EQ(db.personArray.size(), 2u);
    const CPersonRecord& cy = *db.personArray[0];
    EXPECT_EQ(cy.gender, 0);
    EXPECT_EQ(cy.classLetter, 0);
    EXPECT_EQ(cy.noteToMC, "Say Sigh");
    EXPECT_EQ(cy.membershipNumber, "M-1");
    EXPECT_EQ(cy.ssNumber, "123");
    EXPECT_EQ(cy.status, 7);
    EXPECT_EQ(cy.created, MarchDate(11, 0));
    EXPECT_EQ(cy.pCommentArray.size(), 1u);
    const CPersonRecord& di = *db.personArray[1];
    EXPECT_EQ(di.version, 1);
    EXPECT_EQ(di.membershipNumber, "M-2");
    EXPECT_EQ(di.ssNumber, "456");
}

TEST_F(DataFileReaderTest, ValuesThatReadLikeTagsAreNotMistakenForSubRecords) {
    // A studio in Puerto Rico, a person called "PR" by his friends, a comment reading "ST".
    const std::string s = "ST|Isla|1 Calle||San Juan|PR|00901|ST||||M|R|0|3.27.2002.14.5.0|";
    const std::string bob = "PR|M2|P|Bob|Ray|PR||||R4294967295|0|3.27.2002.10.0.0|";
    Read({s, bob + s, "EN|12|1|2|3|M||N|10.00|0|3.27.2002.15.0.0|" + s + bob + kAnn + kNoPerson,
          "CM|1|1|ST|" + s + kNoPerson, "CM|1|1|PR|" + bob + s});
    ASSERT_EQ(db.studioArray.size(), 1u);
    EXPECT_EQ(db.studioArray[0]->state, "PR");
    ASSERT_EQ(db.personArray.size(), 2u);
    ASSERT_EQ(db.entryArray.size(), 1u);
    EXPECT_EQ(db.entryArray[0]->gentleman, 1);
    EXPECT_EQ(db.entryArray[0]->lady, 2);
    ASSERT_EQ(db.studioArray[0]->pCommentArray.size(), 1u);
    EXPECT_EQ(db.studioArray[0]->pCommentArray.at(0).text, "ST");
    ASSERT_EQ(db.personArray[0]->pCommentArray.size(), 1u);
}

TEST_F(DataFileReaderTest, LinesOfAnotherLayoutAreReadByTheirTags) {
    // One field more before the studio than this program writes.
    Read({S, "PU|O|4|1|25.00|Ray, Bob|Ticket|0|3.27.2002.16.0.0|extra|" + S + kBob});
    ASSERT_EQ(db.personArray.size(), 1u);
    ASSERT_EQ(db.purchaseArray.size(), 1u);
    EXPECT_EQ(db.purchaseArray[0]->purchaserNumber, 1);
}

TEST_F(DataFileReaderTest, BrokenSubRecordsNameNoRecord) {
    Read({S, "PR|M2|P|Bob|[junior]|||||R1|0|3.27.2002.10.0.0|" + S,
          "PR|M2|P|Eve|Ray [2]|||||R1|0|3.27.2002.10.0.0|" + S, "PR|M2|P|Bob|Ray|", "ST||x|",
          "CM|1|1|Lost|" + S + "PR|M2|P|Bob|Ray|"});
    ASSERT_EQ(db.personArray.size(), 1u);
    EXPECT_EQ(db.personArray[0]->lastName, "Ray ");
    EXPECT_EQ(db.studioArray.size(), 1u);
    // The comment of the cut-off person goes to the studio on its line.
    EXPECT_EQ(db.studioArray[0]->pCommentArray.size(), 1u);
}

TEST_F(DataFileReaderTest, AMissingFileReadsNothing) {
    db.dataFileName = dir.File("missing.tvr");
    EXPECT_FALSE(ReadDataFile(db));
    EXPECT_TRUE(db.studioArray.empty());
}

TEST_F(DataFileReaderTest, AReadOnlyFileIsMadeWritable) {
    Read({S});
    std::filesystem::permissions(db.dataFileName, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    db.studioArray.clear();
    ASSERT_TRUE(ReadDataFile(db));
    const auto perms = std::filesystem::status(db.dataFileName).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
}

}  // namespace
