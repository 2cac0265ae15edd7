#include "shell/Startup.h"

#include <gtest/gtest.h>

#include "dialogs/ListDialog.h"
#include "shell/MainDialog.h"
#include "studio/StudioDialog.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

std::string Header(const std::string& competition) {
    return "stu|1|" + competition + "|org@example.org|S|S|S|1\r\n";
}

class StartupTest : public ::testing::Test {
protected:
    CTempDir dir;
    CScriptedUi ui;
};

}  // namespace

TEST_F(StartupTest, OneSetupFileGoesStraightToTheMainDialog) {
    WriteFileBytes(dir.File("Spring.stu"), Header("Spring Open"));
    EXPECT_EQ(ChooseSetupFile(ui, "", dir.Path().string()), dir.File("Spring.stu"));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(StartupTest, SeveralSetupFilesAreOfferedByCompetitionName) {
    WriteFileBytes(dir.File("a.stu"), Header("A"));
    WriteFileBytes(dir.File("b.stu"), Header("B"));
    WriteFileBytes(dir.File("c.stu"), Header(""));
    WriteFileBytes(dir.File("d.stu"), "not a setup file\r\n");
    ui.ExpectDialog<CListDialog>([](CListDialog& select) {
        EXPECT_EQ(select.title, "Select");
        EXPECT_FALSE(select.IsMultiple());
        EXPECT_EQ(select.texts, (std::vector<std::string>{"A", "B"}));
        select.Open();
        select.list.SetCurSel(select.list.FindStringExact("B"));
        return select.OnOK();
    });
    EXPECT_EQ(ChooseSetupFile(ui, dir.Path().string(), "/nowhere"), dir.File("b.stu"));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"File " + dir.File("d.stu") +
                                                     " is not valid entry form setup file."}));
}

TEST_F(StartupTest, CancellingTheChoiceOpensNothing) {
    WriteFileBytes(dir.File("a.stu"), Header("A"));
    WriteFileBytes(dir.File("b.stu"), Header("B"));
    ui.ExpectDialog<CListDialog>([](CListDialog& select) { return select.OnCancel(); });
    EXPECT_EQ(RunTavorin(ui, dir.Path().string(), ""), 0);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"dialog: 284"}));
}

TEST_F(StartupTest, WithoutSetupFilesBesideItTheProgramAsksForOne) {
    // Installed, the program has none beside it: the user opens the organizer's file.
    WriteFileBytes(dir.File("notes.txt"), "x");
    ui.setupFileAnswer = "/home/studio/Downloads/Spring.stu";
    EXPECT_EQ(ChooseSetupFile(ui, "", dir.Path().string()), "/home/studio/Downloads/Spring.stu");
    EXPECT_TRUE(ui.messages.empty());
    // Cancelled, or a folder named on the command line without any: said plainly.
    ui.setupFileAnswer = "";
    EXPECT_EQ(ChooseSetupFile(ui, "", dir.Path().string()), "");
    EXPECT_EQ(ChooseSetupFile(ui, dir.Path().string(), "/nowhere"), "");
    EXPECT_EQ(ui.log, (std::vector<std::string>{"file dialog", "file dialog",
                                                "message: No setup data files found",
                                                "message: No setup data files found"}));
}

TEST_F(StartupTest, AFileOnTheCommandLineIsUsedAsItIs) {
    EXPECT_EQ(ChooseSetupFile(ui, dir.File("Elsewhere.stu"), "/nowhere"),
              dir.File("Elsewhere.stu"));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(StartupTest, TheDataFileIsWrittenOnceMoreWhenTheMainDialogCloses) {
    WriteFileBytes(dir.File("Spring.stu"), Header("Spring Open"));
    ui.ExpectDialog<CStudioDialog>([](CStudioDialog& studio) {
        studio.name = studio.nameAgain = "Star Dance";
        return studio.OnOK() ? IDOK : IDCANCEL;
    });
    const std::string dataPath = dir.File("Spring_Star_Dance.tvr");
    ui.ExpectDialog<CMainDialog>([&](CMainDialog& main) {
        EXPECT_EQ(main.title, "Data for Spring Open");
        // Gone while the window is open: the closing save brings it back.
        std::filesystem::remove(dataPath);
        return main.OnCommand(CMainDialog::kOkId) ? main.result : 0;
    });
    EXPECT_EQ(RunTavorin(ui, dir.Path().string(), ""), 0);
    EXPECT_NE(ReadFileBytes(dataPath).find("Star Dance"), std::string::npos);
}

TEST_F(StartupTest, AMainDialogThatEndsWhileStartingIsNotShown) {
    WriteFileBytes(dir.File("Spring.stu"), Header("Spring Open"));
    ui.ExpectDialog<CStudioDialog>([](CStudioDialog&) { return IDCANCEL; });
    EXPECT_EQ(RunTavorin(ui, dir.File("Spring.stu"), ""), 0);
    // One message says why; the closing save has nothing to write and says nothing.
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"No studio name provided. Aborting data entry."}));
}
