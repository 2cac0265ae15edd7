#include <gtest/gtest.h>

#include "dialogs/ListDialog.h"
#include "formats/DataFileChoice.h"
#include "shell/DataFileChooser.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

const std::string kStudioLine = "ST|Star Dance|||||||||||M|R|0|3.27.2002.14.5.0|\r\n";

class DataFileChoiceTest : public ::testing::Test {
protected:
    CTempDir dir;
    CScriptedUi ui;
};

TEST_F(DataFileChoiceTest, NoFileOrOneFile) {
    const std::string pattern = dir.File("Spring*.tvr");
    EXPECT_EQ(ChooseDataFile(ui, pattern), "");
    WriteFileBytes(dir.File("Spring_Star_Dance.tvr"), kStudioLine);
    WriteFileBytes(dir.File("Autumn_Other.tvr"), kStudioLine);
    EXPECT_EQ(ChooseDataFile(ui, pattern), dir.File("Spring_Star_Dance.tvr"));
}

TEST_F(DataFileChoiceTest, AnotherCompetitionWhoseNameStartsAlikeKeepsItsFiles) {
    // Fall.stu and FallClassic.stu lie side by side; only Fall_... files are Fall's.
    const std::string pattern = dir.File("Fall*.tvr");
    WriteFileBytes(dir.File("FallClassic_Star_Dance.tvr"), kStudioLine);
    EXPECT_EQ(ChooseDataFile(ui, pattern), "");
    WriteFileBytes(dir.File("Fall_Moon.tvr"), kStudioLine);
    EXPECT_EQ(ChooseDataFile(ui, pattern), dir.File("Fall_Moon.tvr"));
    // A file named by hand after the competition alone is still its own.
    WriteFileBytes(dir.File("Fall.tvr"), kStudioLine);
    ui.ExpectDialog<CListDialog>([](CListDialog& dialog) {
        EXPECT_EQ(dialog.texts.size(), 2u);
        return dialog.OnCancel();
    });
    EXPECT_EQ(ChooseDataFile(ui, pattern), "");
}

TEST_F(DataFileChoiceTest, SeveralFilesAreOfferedByStudioName) {
    WriteFileBytes(dir.File("Spring_Star_Dance.tvr"), kStudioLine);
    WriteFileBytes(dir.File("Spring_Moon.tvr"), "ST;Moon Dance;;;\r\n");
    WriteFileBytes(dir.File("Spring_Empty.tvr"), "");
    ui.ExpectDialog<CListDialog>([this](CListDialog& dialog) {
        EXPECT_EQ(dialog.title, "Select");
        EXPECT_FALSE(dialog.IsMultiple());
        // In name order; a file without a studio name shows its path.
        EXPECT_EQ(dialog.texts, (std::vector<std::string>{dir.File("Spring_Empty.tvr"),
                                                          "Moon Dance", "Star Dance"}));
        dialog.list.SetCurSel(2);
        return dialog.OnOK();
    });
    EXPECT_EQ(ChooseDataFile(ui, dir.File("Spring*.tvr")), dir.File("Spring_Star_Dance.tvr"));

    ui.ExpectDialog<CListDialog>([](CListDialog& dialog) { return dialog.OnCancel(); });
    EXPECT_EQ(ChooseDataFile(ui, dir.File("Spring*.tvr")), "");
}

TEST_F(DataFileChoiceTest, TheStudioNameIsFieldOneOfTheFirstLine) {
    WriteFileBytes(dir.File("a.tvr"), "ST\tTab Studio\tx\r\nPR\tother\r\n");
    WriteFileBytes(dir.File("b.tvr"), "ST|\r\n");
    EXPECT_EQ(ReadStudioNameOfFile(dir.File("a.tvr")), "Tab Studio");
    EXPECT_EQ(ReadStudioNameOfFile(dir.File("b.tvr")), "");
    EXPECT_EQ(ReadStudioNameOfFile(dir.File("missing.tvr")), "");
}

TEST_F(DataFileChoiceTest, AnOldDataFileGetsTheNameOfItsStudio) {
    std::filesystem::create_directory(dir.File("comp.2002"));
    const std::string legacy = dir.File("comp.2002/Fall.TXT");
    WriteFileBytes(legacy, kStudioLine);
    RenameLegacyDataFile(ui, legacy);
    EXPECT_FALSE(std::filesystem::exists(legacy));
    EXPECT_EQ(ReadFileBytes(dir.File("comp.2002/Fall_Star_Dance.tvr")), kStudioLine);
    EXPECT_TRUE(ui.messages.empty());

    RenameLegacyDataFile(ui, legacy);  // nothing there any more
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DataFileChoiceTest, AnOldDataFileNeverOverwritesANewOne) {
    const std::string legacy = dir.File("Fall.txt");
    WriteFileBytes(legacy, kStudioLine);
    WriteFileBytes(dir.File("Fall_Star_Dance.tvr"), kStudioLine + "PR|newer|\r\n");
    RenameLegacyDataFile(ui, legacy);
    EXPECT_TRUE(std::filesystem::exists(legacy));
    EXPECT_EQ(ReadFileBytes(dir.File("Fall_Star_Dance.tvr")), kStudioLine + "PR|newer|\r\n");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "The old data file " + legacy + " was not renamed, because " +
                                  dir.File("Fall_Star_Dance.tvr") + " exists already.");
}

}  // namespace
