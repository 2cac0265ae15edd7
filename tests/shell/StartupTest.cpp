#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/ListDialog.h"
#include "report/SummaryReport.h"
#include "shell/MainDialog.h"
#include "shell/RecentCompetitions.h"
#include "studio/StudioDialog.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"
#include "util/SystemPath.h"

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
        EXPECT_EQ(main.title, "Data for Spring Open - Star Dance");
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

namespace {

// Plays the main window: checks its title, then gives one menu command.
std::function<int(CMainDialog&)> InMainWindow(const std::string& title, int command) {
    return [title, command](CMainDialog& main) {
        EXPECT_EQ(main.title, title);
        EXPECT_TRUE(main.OnMenuCommand(command));
        return main.result;
    };
}

std::function<int(CStudioDialog&)> NewStudioNamed(const std::string& name) {
    return [name](CStudioDialog& studio) {
        studio.name = studio.nameAgain = name;
        return studio.OnOK() ? IDOK : IDCANCEL;
    };
}

}  // namespace

TEST_F(StartupTest, OpeningAnotherCompetitionSavesTheStudioAndComesBackWhenTheOtherFails) {
    const std::string spring = dir.File("Spring.stu");
    const std::string fall = dir.File("Fall.stu");
    const std::string broken = dir.File("Broken.stu");
    WriteFileBytes(spring, Header("Spring Open"));
    WriteFileBytes(fall, Header("Fall Classic"));
    WriteFileBytes(broken, "STU|1|Broken|org@example.org|S|S|S|1\r\n");
    // A second studio in Spring: going back must not ask which of the two.
    WriteFileBytes(dir.File("Spring_Other.tvr"),
                   "ST|Other Studio|||||||||||M|3.27.2002.14.5.0|\r\n");
    WriteFileBytes(dir.File("Spring_Star_Dance.tvr"),
                   "ST|Star Dance|||||||||||M|3.27.2002.14.5.0|\r\n");

    ui.ExpectDialog<CListDialog>([](CListDialog& select) {
        select.Open();
        select.list.SetCurSel(select.list.FindStringExact("Star Dance"));
        return select.OnOK();
    });
    const std::string springTitle = "Data for Spring Open - Star Dance";
    ui.ExpectDialog<CMainDialog>([&](CMainDialog& main) {
        EXPECT_EQ(main.title, springTitle);
        // A change that must reach the file before the other competition opens.
        main.Store().studioArray.front()->city = "Springfield";
        ui.setupFileAnswer = fall;
        EXPECT_TRUE(main.OnMenuCommand(CMainMenu::kOpenCompetitionCommand));
        return main.result;
    });
    ui.ExpectDialog<CStudioDialog>(NewStudioNamed("Star Dance"));
    ui.ExpectDialog<CMainDialog>([&](CMainDialog& main) {
        EXPECT_EQ(main.title, "Data for Fall Classic - Star Dance");
        // Spring was saved and let go: its file holds the change and no lock is left.
        EXPECT_NE(ReadFileBytes(dir.File("Spring_Star_Dance.tvr")).find("|Springfield|"),
                  std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(dir.File("Spring_Star_Dance.tvr.lock")));
        EXPECT_EQ(main.RecentCompetitions(), (std::vector<std::string>{fall, spring}));
        ui.setupFileAnswer = broken;
        EXPECT_TRUE(main.OnMenuCommand(CMainMenu::kOpenCompetitionCommand));
        return main.result;
    });
    // Broken does not open: Fall comes back, and from there Spring is opened from the list.
    ui.ExpectDialog<CMainDialog>(
        InMainWindow("Data for Fall Classic - Star Dance", CMainMenu::kFirstRecentCommand + 1));
    ui.ExpectDialog<CListDialog>([](CListDialog&) { return IDCANCEL; });
    // Cancelling the choice of studio in Spring brings Fall back too; Quit ends the run.
    ui.ExpectDialog<CStudioDialog>([](CStudioDialog&) { return IDCANCEL; });
    ui.ExpectDialog<CMainDialog>(
        InMainWindow("Data for Fall Classic - Star Dance", CMainMenu::kQuitCommand));

    EXPECT_EQ(RunTavorin(ui, spring, ""), 0);
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"File " + broken + " is not valid entry form setup file.",
                                        "Tavorin goes back to Fall Classic.",
                                        "No studio name provided. Aborting data entry.",
                                        "Tavorin goes back to Fall Classic."}));
    EXPECT_EQ(ui.recentCompetitions, (std::vector<std::string>{fall, spring}));
    EXPECT_NE(ReadFileBytes(dir.File("Fall_Star_Dance.tvr")).find("Star Dance"), std::string::npos);
}

TEST_F(StartupTest, TheSampleInAFolderNamedWithAnUmlautOpensOnItsStudio) {
    // "Tänze" in UTF-8, the program's own form of a path on every system.
    const std::string folder = dir.File("T\xC3\xA4nze");
    std::filesystem::create_directory(SystemPath(folder));
    const std::string examples = TAVORIN_EXAMPLES_DIR;
    const std::string setup = PathText(SystemPath(folder) / "SpringFestival.stu");
    const std::string studio =
        PathText(SystemPath(folder) / "SpringFestival_Starlight_Ballroom.tvr");
    WriteFileBytes(setup, ReadFileBytes(examples + "/SpringFestival.stu"));
    WriteFileBytes(studio, ReadFileBytes(examples + "/SpringFestival_Starlight_Ballroom.tvr"));

    // Started on the folder: its one setup file, and the studio's data file beside it, not a
    // new studio.
    ui.ExpectDialog<CMainDialog>([&](CMainDialog& main) {
        EXPECT_EQ(main.title, "Data for Spring Dance Festival 2025 - Starlight Ballroom");
        EXPECT_EQ(main.Store().dataFileName, studio);
        EXPECT_EQ(SummaryReportPath(main.Store()),
                  PathText(SystemPath(folder) / "SummaryReport_Starlight_Ballroom.txt"));
        return main.OnCommand(CMainDialog::kOkId) ? main.result : 0;
    });
    EXPECT_EQ(RunTavorin(ui, folder, ""), 0);
    EXPECT_TRUE(ui.messages.empty());
    // Kept among the recent competitions as the same file, and still found there.
    EXPECT_EQ(ui.recentCompetitions, (std::vector<std::string>{setup}));
    EXPECT_EQ(WithoutMissingFiles(ui.recentCompetitions), ui.recentCompetitions);
    EXPECT_EQ(ReadFileBytes(studio),
              ReadFileBytes(examples + "/SpringFestival_Starlight_Ballroom.tvr"));
}
