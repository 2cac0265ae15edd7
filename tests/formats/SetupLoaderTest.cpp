#include <gtest/gtest.h>

#include "data/Database.h"
#include "formats/SetupLoader.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class SetupLoaderTest : public ::testing::Test {
protected:
    int Load(const std::string& bytes, bool headerOnly = false) {
        WriteFileBytes(path, bytes);
        return LoadSetupFile(db, path, headerOnly);
    }
    std::string InvalidMessage() const {
        return "File " + path + " is not valid entry form setup file.";
    }

    CTempDir dir;
    std::string path = dir.File("Fall Classic.stu");
    CScriptedUi ui;
    CDatabase db{ui};
};

const std::string kHeader = "stu|1|Fall Classic|entries@fall.example.org|N|T|S|1\r\n";

TEST_F(SetupLoaderTest, SemicolonHeaderOfSevenFieldsLoadsWithItsNameAndRules) {
    EXPECT_EQ(Load("stu;;Fall Classic;entries@fall.example.org;N;T;S\r\n"), 1);
    EXPECT_EQ(db.setupFileName, path);
    EXPECT_EQ(db.fieldSeparator, ";");
    EXPECT_EQ(db.competitionName, "Fall Classic");
    EXPECT_EQ(db.organizerAddress, "entries@fall.example.org");
    EXPECT_EQ(db.proAmPackageRule, 'N');
    EXPECT_EQ(db.amateurPackageRule, 'T');
    EXPECT_EQ(db.professionalPackageRule, 'S');
    EXPECT_EQ(db.showDancePrices, 1);
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(SetupLoaderTest, EmptyRuleFieldsReadAsSAndAnEighthFieldSwitchesDancePrices) {
    EXPECT_EQ(Load("stu\t2\tWinter Ball\t\t\t\tNo\t0\n"), 1);
    EXPECT_EQ(db.fieldSeparator, "\t");
    EXPECT_EQ(db.proAmPackageRule, 'S');
    EXPECT_EQ(db.amateurPackageRule, 'S');
    EXPECT_EQ(db.professionalPackageRule, 'N');
    EXPECT_EQ(db.showDancePrices, 0);
}

TEST_F(SetupLoaderTest, BadHeadersAreRejectedWithTheMessageAndLoadNothing) {
    const std::string record = "DC|0|B|10|Smooth|1|1|Waltz\r\n";
    for (const std::string header : {"stu|1|Fall Classic|a@b.org|N|T\r\n",  // six fields
                                     "STU|1|Fall Classic|a@b.org|N|T|S\r\n", "\r\n"}) {
        SCOPED_TRACE(header);
        CScriptedUi rejecting;
        CDatabase store(rejecting);
        WriteFileBytes(path, header + record);
        EXPECT_EQ(LoadSetupFile(store, path, false), 0);
        EXPECT_EQ(rejecting.messages, std::vector<std::string>{InvalidMessage()});
        EXPECT_TRUE(store.categoryArray.empty());
    }
}

TEST_F(SetupLoaderTest, AnEmptyFileIsNoSetupFile) {
    EXPECT_EQ(Load(""), 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{InvalidMessage()});
}

TEST_F(SetupLoaderTest, AMissingFileFailsSilently) {
    EXPECT_EQ(LoadSetupFile(db, dir.File("Nowhere.stu"), false), 0);
    EXPECT_EQ(LoadSetupFile(db, dir.Path().string(), false), 0);  // a directory
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(SetupLoaderTest, HeaderOnlyModeStopsAfterTheHeader) {
    EXPECT_EQ(Load(kHeader + "DC|0|B|10|Smooth\r\nPL|1|O|Program\r\n", true), 1);
    EXPECT_EQ(db.competitionName, "Fall Classic");
    EXPECT_TRUE(db.categoryArray.empty());
    EXPECT_TRUE(db.priceListArray.empty());
}

TEST_F(SetupLoaderTest, ABarInTheHeaderSplitsEveryLineAtBarsOnly) {
    EXPECT_EQ(Load("stu|1|Fall; the Classic|a@b.org|N|T|S\r\nPL|1|O|Dinner; Show|0\r\n"), 1);
    EXPECT_EQ(db.competitionName, "Fall; the Classic");
    ASSERT_EQ(db.priceListArray.size(), 1u);
    EXPECT_EQ(db.priceListArray[0]->name, "Dinner; Show");
}

TEST_F(SetupLoaderTest, OnlyDcPlAndPkLinesMakeRecords) {
    EXPECT_EQ(Load(kHeader + "\r\n   \r\ndc|0|B|10|Lower case\r\nXX|1|2\r\nPK|1|Gala|N\r\n"
                             "PL|4|R|Room\r\nDC|0|B|10|Smooth\r\n"),
              1);
    ASSERT_EQ(db.categoryArray.size(), 1u);
    EXPECT_EQ(db.categoryArray[0]->name, "Smooth");
    ASSERT_EQ(db.priceListArray.size(), 1u);
    EXPECT_EQ(db.priceListArray[0]->name, "Room");
    ASSERT_EQ(db.packageArray.size(), 1u);
    EXPECT_EQ(db.packageArray[0]->name, "Gala");
}

TEST_F(SetupLoaderTest, AnOverlongLineArrivesInPiecesOf16383Bytes) {
    const std::string record = "PL|7|O|" + std::string(20000, 'x');
    EXPECT_EQ(Load(kHeader + record + "\r\nPL|8|O|After\r\n"), 1);
    // The first piece is a record of its own; the rest starts with no known code.
    ASSERT_EQ(db.priceListArray.size(), 2u);
    EXPECT_EQ(db.priceListArray[0]->name.size(), 16383u - 7u);
    EXPECT_EQ(db.priceListArray[1]->name, "After");
}

TEST_F(SetupLoaderTest, TrailingBlanksAndTabsAreRemovedFromEveryLine) {
    EXPECT_EQ(Load(kHeader + "PL|1|O|Program book  \t \r\n"), 1);
    ASSERT_EQ(db.priceListArray.size(), 1u);
    EXPECT_EQ(db.priceListArray[0]->name, "Program book");
}

TEST(SampleCompetition, LoadsEveryCategoryItemAndPackage) {
    CScriptedUi ui;
    CDatabase db(ui);
    ASSERT_EQ(LoadSetupFile(db, TAVORIN_EXAMPLES_DIR "/SpringFestival.stu", false), 1);
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(db.competitionName, "Spring Dance Festival 2025");
    ASSERT_GE(db.categoryArray.size(), 8u);
    std::string kinds, styles, bases;
    bool proficiency = false, starAge = false, youthAge = false;
    for (const auto& category : db.categoryArray) {
        kinds += category->kind;
        styles += category->style;
        bases += category->feeBasis;
        for (const auto& level : category->pcaLevels) {
            proficiency |= level.name.find("Proficiency") != std::string::npos;
        }
        for (const auto& age : category->pcaAges) {
            starAge |= age.name.find('*') != std::string::npos;
            youthAge |= age.youth == 1 && !age.rangeText.empty();
        }
    }
    for (char c : std::string("CSG")) {
        EXPECT_NE(kinds.find(c), std::string::npos) << c;
    }
    for (char c : std::string("SNTQ")) {
        EXPECT_NE(styles.find(c), std::string::npos) << c;
    }
    for (char c : std::string("ADL")) {
        EXPECT_NE(bases.find(c), std::string::npos) << c;
    }
    EXPECT_TRUE(proficiency);
    EXPECT_TRUE(starAge);
    EXPECT_TRUE(youthAge);
    std::string itemKinds;
    int hidden = 0;
    for (const auto& item : db.priceListArray) {
        itemKinds += item->kind;
        hidden += item->hidden;
    }
    EXPECT_NE(itemKinds.find('S'), std::string::npos);
    EXPECT_NE(itemKinds.find('R'), std::string::npos);
    EXPECT_NE(itemKinds.find('O'), std::string::npos);
    EXPECT_EQ(hidden, 1);
    ASSERT_GE(db.packageArray.size(), 2u);
    EXPECT_EQ(db.packageArray[0]->coversEntries, 1);
}

}  // namespace
