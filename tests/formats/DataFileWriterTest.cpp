#include <gtest/gtest.h>

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"
#include "util/Money.h"

namespace {

const std::string kStudio =
    "ST|Star Dance|1 Main St||Springfield|IL|62701||555-1234||a@b.c|M|R|0|3.27.2002.14.5.0|";
const std::string kEmptyPerson = "PR|||||||||||";

class DataFileWriterTest : public ::testing::Test {
protected:
    DataFileWriterTest() {
        db.fieldSeparator = "|";
        db.dataFileName = dir.File("Spring_Star_Dance.tvr");
        CStudioRecord& studio = AddStudio(db, "Star Dance");
        studio.address1 = "1 Main St";
        studio.city = "Springfield";
        studio.state = "IL";
        studio.zip = "62701";
        studio.phone = "555-1234";
        studio.email = "a@b.c";
    }
    std::string Write() {
        EXPECT_TRUE(WriteDataFile(db, db.dataFileName));
        return ReadFileBytes(db.dataFileName);
    }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

TEST_F(DataFileWriterTest, AStudioAloneIsOneLineOfFifteenFields) {
    EXPECT_EQ(Write(), kStudio + "\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataFileWriterTest, WithoutAStudioNothingIsWritten) {
    db.studioArray.clear();
    EXPECT_FALSE(WriteDataFile(db, db.dataFileName));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Error - no studio"});
    EXPECT_FALSE(std::filesystem::exists(db.dataFileName));
}

TEST_F(DataFileWriterTest, PersonLinesCarryTypeVersionNoteAndStudio) {
    CPersonRecord& lady = AddPersonRecord(db, 'F', 'A', 1, "Ann", "Lee", MarchDate(9, 30));
    lady.noteToMC = "Lee like see";
    lady.membershipNumber = "M-7";
    CPersonRecord& old = AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray", MarchDate(10, 0));
    old.version = 1;
    old.noteToMC = "never written in version 1";
    CPersonRecord& guest = AddPersonRecord(db, 0, 0, 0, "Cy", "Guest", MarchDate(11, 0));
    guest.noteToMC = "note";
    guest.ssNumber = "123";

    EXPECT_EQ(Write(),
              kStudio + "\r\n" +
                  "PR|f2|A|Ann|Lee||Lee like see|M-7||R4294967295|0|3.27.2002.9.30.0|" + kStudio +
                  "\r\n" + "PR|M|P|Bob|Ray||||R4294967295|0|3.27.2002.10.0.0|" + kStudio + "\r\n" +
                  "PR|||Cy|Guest||note||123|R4294967295|0|3.27.2002.11.0.0|" + kStudio + "\r\n");
}

TEST_F(DataFileWriterTest, AnEntryWithoutPersonsCarriesThreeEmptyPersons) {
    AddCategory(db, 12, "Rhythm", {{1, "Cha cha"}}, {{2, "Bronze"}}, {{3, "Adult"}});
    CEntryRecord& entry = AddEntry(db, 12, 1, 'G', -1, -1);
    entry.level = 2;
    entry.age = 3;
    entry.teamName = "Team A";
    entry.amount = 1235;

    EXPECT_EQ(Write(), kStudio + "\r\n" + "EN|12|1|2|3|G|Team A|N|12.35|0|3.27.2002.15.0.0|" +
                           kStudio + kEmptyPerson + kEmptyPerson + kEmptyPerson + "\r\n");
}

TEST_F(DataFileWriterTest, GroupDancersComeDirectlyBeforeTheirEntry) {
    AddCategory(db, 30, "Formation", {}, {}, {});
    for (const char* name : {"One", "Two", "Three"}) {
        AddPersonRecord(db, 'F', 'A', 0, name, "Dancer", MarchDate(8, 0));
    }
    CEntryRecord& entry = AddEntry(db, 30, 0, 'G', -1, -1);
    entry.dancers = {3, 1, 2};
    const std::string bytes = Write();

    std::string expected = kStudio + "\r\n";
    for (const char* name : {"One", "Two", "Three"}) {
        expected += "PR|F2|A|" + std::string(name) + "|Dancer|||||R4294967295|0|3.27.2002.8.0.0|" +
                    kStudio + "\r\n";
    }
    for (const char* name : {"Three", "One", "Two"}) {
        expected += "GR|" + kStudio + "|PR|F2|A|" + std::string(name) +
                    "|Dancer|||||R4294967295|0|3.27.2002.8.0.0|\r\n";
    }
    expected += "EN|30|0|0|0|G||N|0.00|0|3.27.2002.15.0.0|" + kStudio + kEmptyPerson +
                kEmptyPerson + kEmptyPerson + "\r\n";
    EXPECT_EQ(bytes, expected);
}

TEST_F(DataFileWriterTest, PurchasesOfOtherTypesNeverReachTheFile) {
    AddPurchase(db, 'O', 4, -1, "Ticket", 2500).quantity = 2;
    AddPurchase(db, 'X', 5, -1, "Mystery", 100);
    EXPECT_EQ(Write(), kStudio + "\r\n" + "PU|O|4|2|25.00|Studio|Ticket|0|3.27.2002.16.0.0|" +
                           kStudio + kEmptyPerson + "\r\n");
}

TEST_F(DataFileWriterTest, CommentsOfStudiosAndPersonsComeLast) {
    db.studioArray[0]->pCommentArray.push_back({2, 3, "Studio note"});
    CPersonRecord& person = AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray", MarchDate(10, 0));
    person.pCommentArray.push_back({1, 1, "Vegetarian"});
    const std::string bob = "PR|M2|P|Bob|Ray|||||R4294967295|0|3.27.2002.10.0.0|";

    // A person added in the program has no studio of his own: the comment line carries the
    // empty studio.
    const std::string emptyStudio = "ST|||||||||||||||";
    EXPECT_EQ(Write(), kStudio + "\r\n" + bob + kStudio + "\r\n" + "CM|2|3|Studio note|" + kStudio +
                           kEmptyPerson + "\r\n" + "CM|1|1|Vegetarian|" + bob + emptyStudio +
                           "\r\n");
}

TEST_F(DataFileWriterTest, ALonePersonInARoommateGroupLosesTheGroup) {
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray").roommateGroup = 4;
    AddPersonRecord(db, 'F', 'P', 0, "Ann", "Lee").roommateGroup = 5;
    AddPersonRecord(db, 'F', 'A', 0, "Cat", "Fox").roommateGroup = 5;
    const std::string bytes = Write();
    EXPECT_NE(bytes.find("|Bob|Ray|||||R4294967295|"), std::string::npos);
    EXPECT_NE(bytes.find("|Ann|Lee|||||R5|"), std::string::npos);
    EXPECT_EQ(db.personArray[0]->roommateGroup, -1);
    EXPECT_EQ(db.personArray[2]->roommateGroup, 5);
}

TEST_F(DataFileWriterTest, SeparatorsAndLineBreaksInsideValuesBecomeBlanks) {
    db.studioArray[0]->address2 = "Suite 4|5;6\t7";
    CPersonRecord& person = AddPersonRecord(db, 'M', 'P', 0, "Bob\r\nRay", "Lee;Ray");
    person.pCommentArray.push_back({1, 1, "line one\nline two"});
    const std::string bytes = Write();
    EXPECT_NE(bytes.find("|1 Main St|Suite 4 5 6 7|Springfield|"), std::string::npos);
    EXPECT_NE(bytes.find("|Bob  Ray|Lee Ray|"), std::string::npos);
    EXPECT_NE(bytes.find("|line one line two|"), std::string::npos);
    // Three lines, every one ended by CR LF and nothing else.
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 3);
    // The store keeps what the user typed.
    EXPECT_EQ(person.firstName, "Bob\r\nRay");
}

TEST_F(DataFileWriterTest, ANulByteInsideAValueCannotCutTheLine) {
    // Pasted text can carry one; every reader of the file ends the line there.
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray").nickname = std::string("Bo\0b", 4);
    const std::string bytes = Write();
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    EXPECT_NE(bytes.find("|Bob|Ray|Bo b|"), std::string::npos);

    CDatabase again(ui);
    again.dataFileName = db.dataFileName;
    ASSERT_TRUE(ReadDataFile(again));
    ASSERT_EQ(again.personArray.size(), 1u);
    EXPECT_EQ(again.personArray[0]->studioNumber, 1);
}

TEST_F(DataFileWriterTest, TheStudioNameShowsAnInvoiceNameInAngleBrackets) {
    db.studioArray[0]->invoiceName = "J. Smith";
    db.studioArray[0]->kind = 0;  // unset: written as a studio
    EXPECT_EQ(FormatStudioRecord(db, 1).substr(0, 31), "ST|Star Dance <J. Smith>|1 Main");
    EXPECT_EQ(FormatStudioRecord(db, 99), "ST|||||||||||||||");
    EXPECT_EQ(FormatPersonRecord(db, 99), kEmptyPerson);
}

TEST_F(DataFileWriterTest, UnsetLettersAreEmptyFieldsNotNulBytes) {
    AddCategory(db, 12, "Rhythm", {{1, "Cha cha"}}, {}, {});
    AddEntry(db, 12, 1, 'A', -1, -1).statusLetter = 0;
    const std::string bytes = Write();
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    EXPECT_NE(bytes.find("|A|||0.00|"), std::string::npos);
}

TEST_F(DataFileWriterTest, HotelPackagesAreRecordedOnTheirBuyers) {
    auto hotel = std::make_unique<CPackageRecord>();
    hotel->number = 7;
    hotel->coversEntries = 1;
    db.packageArray.push_back(std::move(hotel));
    auto tickets = std::make_unique<CPackageRecord>();
    tickets->number = 8;
    db.packageArray.push_back(std::move(tickets));
    AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    AddPersonRecord(db, 'F', 'P', 0, "Ann", "Lee");
    AddPurchase(db, 'P', 7, 1, "Hotel", 10000);
    AddPurchase(db, 'P', 8, 2, "Tickets", 1000);
    Write();
    EXPECT_EQ(db.personArray[0]->dancePackage, 7);
    EXPECT_EQ(db.personArray[1]->dancePackage, -1);
}

TEST(DataFileFormatTest, AmountsUseAPointWhateverTheLocale) {
    EXPECT_EQ(FormatCents(0), "0.00");
    EXPECT_EQ(FormatCents(123450), "1234.50");
    EXPECT_EQ(FormatCents(-100), "-1.00");
    EXPECT_EQ(FormatDateStamp(MakeDate({2002, 3, 27, 14, 5, 0})), "3.27.2002.14.5.0");
}

}  // namespace
