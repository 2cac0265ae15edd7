// Files that come back from other tools or from a save cut short: every person still in the file
// is read, and nothing the reader could not take back is ever written.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

const std::string S = "ST|Star Dance||||||||||M|R|0|3.27.2002.14.5.0|";
const std::string kBob = "PR|M2|P|Bob|Ray|||||R4294967295|0|3.27.2002.10.0.0|";
const std::string kAnn = "PR|f2|A|Ann|Lee|||||R4294967295|0|3.27.2002.9.30.0|";

class DamagedDataFileTest : public ::testing::Test {
protected:
    DamagedDataFileTest() { db.dataFileName = dir.File("Spring_Star_Dance.tvr"); }

    std::vector<std::string> LastNames() const {
        std::vector<std::string> names;
        for (const auto& person : db.personArray) {
            names.push_back(person->lastName);
        }
        return names;
    }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

// An old Mac or a careless editor ends its lines with CR alone; rewriting such a file once wrote
// the studio line alone.
TEST_F(DamagedDataFileTest, LinesEndedByCarriageReturnsAloneAreAllRead) {
    WriteFileBytes(db.dataFileName, S + "\r" + kBob + S + "\r" + kAnn + S + "\r");
    ASSERT_TRUE(ReadDataFile(db));
    EXPECT_EQ(LastNames(), (std::vector<std::string>{"Ray", "Lee"}));
    EXPECT_TRUE(ui.log.empty());

    // Mixed with line feeds alone and CR LF, every kind ends one line and no more.
    CScriptedUi otherUi;
    CDatabase other(otherUi);
    other.dataFileName = dir.File("Mixed.tvr");
    WriteFileBytes(other.dataFileName, S + "\n" + kBob + S + "\r\n" + kAnn + S + "\r");
    ASSERT_TRUE(ReadDataFile(other));
    ASSERT_EQ(other.personArray.size(), 2u);

    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    EXPECT_EQ(ReadFileBytes(db.dataFileName), S + "\r\n" + kBob + S + "\r\n" + kAnn + S + "\r\n");
}

// A copy that stopped half-way: the whole lines are read, the torn one is left out, and the user
// is told where the file was cut before anything saves over it.
TEST_F(DamagedDataFileTest, AFileCutInTheMiddleOfARecordSaysWhereItWasCut) {
    WriteFileBytes(db.dataFileName, S + "\r\n" + kBob + S + "\r\n" + "PR|f2|A|Ann|Le");
    ASSERT_TRUE(ReadDataFile(db));
    EXPECT_EQ(LastNames(), (std::vector<std::string>{"Ray"}));
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{"message: " + DataFileCutMessage(db.dataFileName, 3)}));
    EXPECT_NE(ui.log.front().find("was cut at line 3"), std::string::npos);

    // Blanks after the last line end, or DOS's end-of-file mark, are no record.
    CScriptedUi quietUi;
    CDatabase quiet(quietUi);
    quiet.dataFileName = dir.File("Quiet.tvr");
    WriteFileBytes(quiet.dataFileName, S + "\r\n" + kBob + S + "\r\n\x1a");
    ASSERT_TRUE(ReadDataFile(quiet));
    EXPECT_EQ(quiet.personArray.size(), 1u);
    EXPECT_TRUE(quietUi.log.empty());
}

// A name too long for the reader's pieces was saved and then lost at the next read; now the save
// is refused, the old file stays, and the user is told why.
TEST_F(DamagedDataFileTest, ALineTheReaderCouldNotTakeBackIsNeverWritten) {
    WriteFileBytes(db.dataFileName, S + "\r\n" + kBob + S + "\r\n");
    ASSERT_TRUE(ReadDataFile(db));
    const std::string before = ReadFileBytes(db.dataFileName);

    // The longest line that still reads back whole is written and read back whole.
    CPersonRecord& bob = *db.personArray.front();
    const std::size_t lineWithoutName = (kBob + S).size() - bob.firstName.size();
    bob.firstName = std::string(16382 - lineWithoutName, 'x');
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    {
        CScriptedUi againUi;
        CDatabase again(againUi);
        again.dataFileName = db.dataFileName;
        ASSERT_TRUE(ReadDataFile(again));
        ASSERT_EQ(again.personArray.size(), 1u);
        EXPECT_EQ(again.personArray.front()->firstName, bob.firstName);
    }
    const std::string longest = ReadFileBytes(db.dataFileName);

    // One character more, and the save is refused.
    bob.firstName += 'x';
    EXPECT_FALSE(WriteDataFile(db, db.dataFileName));
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log.front(),
              "message: Error - the data file " + db.dataFileName +
                  " could not be saved (its line 2 would be 16383 characters long, and a studio "
                  "data file's lines are read back whole only up to 16382 characters; shorten "
                  "the longest texts). The previous copy of the file is unchanged.");
    EXPECT_EQ(ReadFileBytes(db.dataFileName), longest);
    EXPECT_NE(before, longest);
}

}  // namespace
