#include "shell/MainDialog.h"

#include <gtest/gtest.h>

#include "data/Database.h"
#include "dialogs/ListDialog.h"
#include "report/ReportWindow.h"
#include "shell/AboutDialog.h"
#include "shell/SaveAndClear.h"
#include "studio/StudioDialog.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"
#include "util/Files.h"

namespace {

const std::string kSetupHeader = "stu|1|Spring Open|org@example.org|S|S|S|1\r\n";
const std::string kCategoryLine =
    "DC|1|BbA|101|Smooth|2|1|Waltz|2|Tango|2|1|Bronze|2|Silver|1|3|Adult|0|A|1|38.00|30.00\r\n";

// Plays the user in the studio dialog: types the name twice and an optional city, then OK.
std::function<int(CStudioDialog&)> TypeStudio(const std::string& name,
                                              const std::string& city = "") {
    return [name, city](CStudioDialog& dialog) {
        EXPECT_TRUE(dialog.nameEditable);
        dialog.name = name;
        dialog.nameAgain = name;
        dialog.city = city;
        return dialog.OnOK() ? IDOK : IDCANCEL;
    };
}

int Cancel(CStudioDialog&) {
    return IDCANCEL;
}

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override { WriteFileBytes(setupPath, kSetupHeader + kCategoryLine); }

    CTempDir dir;
    std::string setupPath = dir.File("Spring.stu");
    CScriptedUi ui;
};

}  // namespace

TEST_F(MainDialogTest, AFirstStartAsksForTheStudioAndWritesItsFile) {
    ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance", "Springfield"));
    CMainDialog dialog(ui, setupPath);
    EXPECT_EQ(dialog.versionText, "Version");
    EXPECT_TRUE(dialog.Initialize());

    EXPECT_EQ(dialog.title, "Data for Spring Open - Star Dance");
    EXPECT_EQ(dialog.versionText, "Version 1.007");
    EXPECT_EQ(dialog.Store().categoryArray.size(), 1u);
    EXPECT_EQ(dialog.Store().dataFileName, dir.File("Spring_Star_Dance.tvr"));
    EXPECT_NE(ReadFileBytes(dir.File("Spring_Star_Dance.tvr")).find("Star Dance"),
              std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainDialogTest, TheStudioIsReopenedFromItsDataFile) {
    {
        ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance", "Springfield"));
        CMainDialog first(ui, setupPath);
        ASSERT_TRUE(first.Initialize());
        SaveAndClear(first.Store(), false);
    }
    CMainDialog again(ui, setupPath);
    EXPECT_TRUE(again.Initialize());
    ASSERT_EQ(again.Store().studioArray.size(), 1u);
    EXPECT_EQ(again.Store().studioArray.front()->name, "Star Dance");
    EXPECT_EQ(again.Store().studioArray.front()->city, "Springfield");
    EXPECT_EQ(again.Store().dataFileName, dir.File("Spring_Star_Dance.tvr"));

    // Step 1 shows the stored studio with its name fixed; the change reaches the file at once.
    ui.ExpectDialog<CStudioDialog>([](CStudioDialog& studio) {
        EXPECT_FALSE(studio.nameEditable);
        EXPECT_EQ(studio.name, "Star Dance");
        studio.city = "Shelbyville";
        return studio.OnOK() ? IDOK : IDCANCEL;
    });
    EXPECT_FALSE(again.OnCommand(CMainDialog::kStudioId));
    EXPECT_NE(ReadFileBytes(dir.File("Spring_Star_Dance.tvr")).find("Shelbyville"),
              std::string::npos);
}

TEST_F(MainDialogTest, AnEmptyDataFileCountsAsMissing) {
    WriteFileBytes(dir.File("Spring_Old.tvr"), "");
    ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance"));
    CMainDialog dialog(ui, setupPath);
    EXPECT_TRUE(dialog.Initialize());
    EXPECT_EQ(dialog.Store().dataFileName, dir.File("Spring_Star_Dance.tvr"));
}

TEST_F(MainDialogTest, SeveralDataFilesAreOfferedByStudioName) {
    WriteFileBytes(dir.File("Spring_A.tvr"), "ST|Alpha Studio|||||||||||I|3.27.2002.14.5.0|\r\n");
    WriteFileBytes(dir.File("Spring_B.tvr"), "ST|Beta Studio|||||||||||M|3.27.2002.14.5.0|\r\n");
    ui.ExpectDialog<CListDialog>([](CListDialog& select) {
        EXPECT_EQ(select.title, "Select");
        EXPECT_EQ(select.texts, (std::vector<std::string>{"Alpha Studio", "Beta Studio"}));
        select.Open();
        select.list.SetCurSel(select.list.FindStringExact("Beta Studio"));
        return select.OnOK();
    });
    CMainDialog dialog(ui, setupPath);
    EXPECT_TRUE(dialog.Initialize());
    EXPECT_EQ(dialog.Store().dataFileName, dir.File("Spring_B.tvr"));
    ASSERT_EQ(dialog.Store().studioArray.size(), 1u);
    EXPECT_EQ(dialog.Store().studioArray.front()->name, "Beta Studio");
}

TEST_F(MainDialogTest, ASetupFileInCapitalsFindsItsDataAndOldTextFile) {
    const std::string capitalSetup = dir.File("Fall.STU");
    std::filesystem::rename(setupPath, capitalSetup);
    WriteFileBytes(dir.File("Fall.txt"), "ST|Star Dance|||||||||||M|3.27.2002.14.5.0|\r\n");
    CMainDialog dialog(ui, capitalSetup);
    EXPECT_TRUE(dialog.Initialize());
    EXPECT_FALSE(FileExists(dir.File("Fall.txt")));
    EXPECT_EQ(dialog.Store().dataFileName, dir.File("Fall_Star_Dance.tvr"));
    ASSERT_EQ(dialog.Store().studioArray.size(), 1u);
    EXPECT_EQ(dialog.Store().studioArray.front()->name, "Star Dance");
}

TEST_F(MainDialogTest, AMissingSetupFileEndsTheDialogBeforeAnyStudioIsAskedFor) {
    CMainDialog dialog(ui, dir.File("Missing.stu"));
    EXPECT_FALSE(dialog.Initialize());
    EXPECT_TRUE(dialog.ended);
    EXPECT_EQ(dialog.result, 0);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Setup data file " + dir.File("Missing.stu") +
                                                     " not found."}));
}

TEST_F(MainDialogTest, AnInvalidSetupFileLeavesTheStudiosDataFileAlone) {
    // A studio with an entry, saved while the competition could still be read.
    {
        CMainDialog earlier(ui, setupPath);
        ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance"));
        ASSERT_TRUE(earlier.Initialize());
        CDatabase& store = earlier.Store();
        const int gentleman = AddPersonRecord(store, 'M', 'P', 0, "Tom", "Tall").number;
        const int lady = AddPersonRecord(store, 'F', 'A', 0, "Ann", "Able").number;
        AddEntry(store, 101, 1, 'F', gentleman, lady);
        SaveAndClear(store, false);
    }
    const std::string dataPath = dir.File("Spring_Star_Dance.tvr");
    const std::string saved = ReadFileBytes(dataPath);
    ASSERT_NE(saved.find("EN|"), std::string::npos);

    WriteFileBytes(setupPath, "STU|1|Spring Open|org@example.org|S|S|S|1\r\n" + kCategoryLine);
    CMainDialog dialog(ui, setupPath);
    EXPECT_FALSE(dialog.Initialize());
    EXPECT_EQ(dialog.result, 0);
    EXPECT_TRUE(dialog.Store().studioArray.empty());
    SaveAndClear(dialog.Store(), false);
    EXPECT_EQ(ReadFileBytes(dataPath), saved);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"File " + setupPath +
                                                     " is not valid entry form setup file."}));
}

TEST_F(MainDialogTest, CancellingTheNewStudioEndsDataEntry) {
    ui.ExpectDialog<CStudioDialog>(Cancel);
    CMainDialog dialog(ui, setupPath);
    EXPECT_FALSE(dialog.Initialize());
    EXPECT_EQ(dialog.result, 0);
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"No studio name provided. Aborting data entry."}));
    EXPECT_TRUE(dialog.Store().studioArray.empty());
}

TEST_F(MainDialogTest, InitializeNewStudioSavesTheOldOneAndStartsAnother) {
    ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance"));
    CMainDialog dialog(ui, setupPath);
    ASSERT_TRUE(dialog.Initialize());
    AddPersonRecord(dialog.Store(), 'M', 'P', 0, "Tom", "Tall");

    ui.ExpectDialog<CStudioDialog>(TypeStudio("Moon Dance"));
    EXPECT_FALSE(dialog.OnCommand(CMainDialog::kNewStudioId));
    EXPECT_NE(ReadFileBytes(dir.File("Spring_Star_Dance.tvr")).find("Tall"), std::string::npos);
    EXPECT_EQ(dialog.Store().dataFileName, dir.File("Spring_Moon_Dance.tvr"));
    EXPECT_EQ(dialog.Store().categoryArray.size(), 1u);
    EXPECT_TRUE(dialog.Store().personArray.empty());
    ASSERT_EQ(dialog.Store().studioArray.size(), 1u);
    EXPECT_EQ(dialog.Store().studioArray.front()->name, "Moon Dance");

    ui.ExpectDialog<CStudioDialog>(Cancel);
    EXPECT_TRUE(dialog.OnCommand(CMainDialog::kNewStudioId));
    EXPECT_EQ(dialog.result, 0);
    EXPECT_EQ(ui.messages.back(), "No studio name provided. Aborting data entry.");
}

TEST_F(MainDialogTest, ANewStudioNeverOverwritesTheFileOfAnotherWithTheSameName) {
    ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance"));
    CMainDialog dialog(ui, setupPath);
    ASSERT_TRUE(dialog.Initialize());
    AddPersonRecord(dialog.Store(), 'M', 'P', 0, "Tom", "Tall");

    ui.ExpectDialog<CStudioDialog>([](CStudioDialog& studio) {
        studio.name = studio.nameAgain = "Star Dance";
        EXPECT_FALSE(studio.OnOK());
        studio.name = studio.nameAgain = "Star Dance II";
        return studio.OnOK() ? IDOK : IDCANCEL;
    });
    dialog.OnCommand(CMainDialog::kNewStudioId);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.front(), "A data file for Star Dance already exists:\n" +
                                       dir.File("Spring_Star_Dance.tvr") +
                                       "\nPlease enter a different name.");
    EXPECT_NE(ReadFileBytes(dir.File("Spring_Star_Dance.tvr")).find("Tall"), std::string::npos);
    EXPECT_EQ(dialog.Store().dataFileName, dir.File("Spring_Star_Dance_II.tvr"));
}

TEST_F(MainDialogTest, ButtonsHelpAboutAndExit) {
    ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance"));
    CMainDialog dialog(ui, setupPath);
    ASSERT_TRUE(dialog.Initialize());

    EXPECT_TRUE(dialog.IsEnabled(CMainDialog::kStudioId));
    EXPECT_TRUE(dialog.IsEnabled(CMainDialog::kNewStudioId));
    EXPECT_TRUE(dialog.IsEnabled(CMainDialog::kHelpId));
    // Every step is there to be clicked.
    for (const int step :
         {CMainDialog::kPersonsId, CMainDialog::kPurchasesId, CMainDialog::kEntriesId,
          CMainDialog::kReportId, CMainDialog::kDisketteId, CMainDialog::kEmailId,
          CMainDialog::kDataFileId}) {
        EXPECT_TRUE(dialog.IsEnabled(step)) << step;
    }
    // Step 5 shows the summary report in its window.
    ui.ExpectDialog<CReportWindow>([](CReportWindow& report) {
        EXPECT_EQ(report.Lines().front(), "Star Dance");
        return IDOK;
    });
    EXPECT_FALSE(dialog.OnCommand(CMainDialog::kReportId));

    EXPECT_FALSE(dialog.OnCommand(CMainDialog::kHelpId));
    EXPECT_EQ(ui.helpContexts, (std::vector<unsigned>{131174u}));

    ui.ExpectDialog(CAboutDialog::kResourceId, [](CDialogModel&) { return IDOK; });
    EXPECT_TRUE(dialog.OnSysCommand(CMainDialog::kAboutCommand));
    EXPECT_FALSE(dialog.OnSysCommand(CMainDialog::kLastAboutCommand + 1));

    EXPECT_TRUE(dialog.OnCommand(CMainDialog::kOkId));
    EXPECT_EQ(dialog.result, IDOK);
}

namespace {

const CMenuCommand* FindCommand(const std::vector<CMenuCommand>& commands, int id) {
    for (const CMenuCommand& command : commands) {
        if (command.command == id) {
            return &command;
        }
        if (const CMenuCommand* inner = FindCommand(command.submenu, id)) {
            return inner;
        }
    }
    return nullptr;
}

const CMenuCommand* FindCommand(const std::vector<CMenu>& menus, int id) {
    for (const CMenu& menu : menus) {
        if (const CMenuCommand* command = FindCommand(menu.commands, id)) {
            return command;
        }
    }
    return nullptr;
}

}  // namespace

TEST_F(MainDialogTest, TheMenuBarGivesTheStepsTheHelpAndOtherCompetitions) {
    ui.recentCompetitions = {dir.File("Gone.stu")};
    ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance"));
    CMainDialog dialog(ui, setupPath);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_EQ(dialog.title, "Data for Spring Open - Star Dance");
    // The competition just opened heads the list kept for the next run; a file gone is dropped.
    EXPECT_EQ(ui.recentCompetitions, (std::vector<std::string>{setupPath}));

    const std::vector<CMenu> menus = dialog.Menus();
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(menus[0].text, "&File");
    EXPECT_EQ(menus[1].text, "&Steps");
    EXPECT_EQ(menus[2].text, "&Help");
    const std::pair<int, const char*> shortcuts[] = {
        {CMainDialog::kStudioId, "Ctrl+1"},
        {CMainDialog::kPersonsId, "Ctrl+2"},
        {CMainDialog::kPurchasesId, "Ctrl+3"},
        {CMainDialog::kEntriesId, "Ctrl+4"},
        {CMainDialog::kReportId, "Ctrl+5"},
        {CMainDialog::kDataFileId, "Ctrl+6"},
        {CMainMenu::kQuitCommand, "Ctrl+Q"},
        {CMainMenu::kHelpContentsCommand, "F1"},
        {CMainMenu::kOpenCompetitionCommand, "Ctrl+O"}};
    for (const auto& [id, shortcut] : shortcuts) {
        const CMenuCommand* command = FindCommand(menus, id);
        ASSERT_NE(command, nullptr) << id;
        EXPECT_EQ(command->shortcut, shortcut) << id;
        EXPECT_EQ(command->enabled, dialog.IsEnabled(id)) << id;
    }
    // Every step button has its line, enabled as the button is.
    for (const int step : {CMainDialog::kDisketteId, CMainDialog::kEmailId}) {
        ASSERT_NE(FindCommand(menus[1].commands, step), nullptr);
        EXPECT_EQ(FindCommand(menus[1].commands, step)->enabled, dialog.IsEnabled(step));
    }
    const CMenuCommand* recent = FindCommand(menus, CMainMenu::kRecentMenu);
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->isSubmenu);
    ASSERT_EQ(recent->submenu.size(), 1u);
    EXPECT_EQ(recent->submenu.front().text, "&1 " + setupPath);
    EXPECT_EQ(dialog.StudioFolder(), dir.Path().string());

    // Ctrl+1 opens step 1 as its button does.
    ui.ExpectDialog<CStudioDialog>([](CStudioDialog& studio) {
        EXPECT_EQ(studio.name, "Star Dance");
        return IDCANCEL;
    });
    EXPECT_FALSE(dialog.OnMenuCommand(CMainDialog::kStudioId));
    EXPECT_FALSE(dialog.OnMenuCommand(CMainMenu::kHelpContentsCommand));
    EXPECT_FALSE(dialog.OnMenuCommand(CMainDialog::kHelpId));
    EXPECT_EQ(ui.helpContexts, (std::vector<unsigned>{CMainDialog::kHelpContentsContext, 131174u}));
    ui.ExpectDialog(CAboutDialog::kResourceId, [](CDialogModel&) { return IDOK; });
    EXPECT_FALSE(dialog.OnMenuCommand(CMainMenu::kAboutCommand));

    // A new studio shows its name in the title.
    ui.ExpectDialog<CStudioDialog>(TypeStudio("Moon Dance"));
    EXPECT_FALSE(dialog.OnCommand(CMainDialog::kNewStudioId));
    EXPECT_EQ(dialog.title, "Data for Spring Open - Moon Dance");

    // Cancelling the file dialog keeps everything; a chosen file ends the window for it.
    ui.setupFileAnswer = "";
    EXPECT_FALSE(dialog.OnMenuCommand(CMainMenu::kOpenCompetitionCommand));
    EXPECT_FALSE(dialog.ended);
    ui.setupFileAnswer = dir.File("Fall.stu");
    EXPECT_TRUE(dialog.OnMenuCommand(CMainMenu::kOpenCompetitionCommand));
    EXPECT_EQ(dialog.result, CMainDialog::kOpenCompetitionResult);
    EXPECT_EQ(dialog.nextCompetition, dir.File("Fall.stu"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainDialogTest, ARecentCompetitionWhoseFileWentIsDroppedWithAMessage) {
    const std::string fall = dir.File("Fall.stu");
    WriteFileBytes(fall, kSetupHeader);
    ui.recentCompetitions = {fall};
    ui.ExpectDialog<CStudioDialog>(TypeStudio("Star Dance"));
    CMainDialog dialog(ui, setupPath);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_EQ(dialog.RecentCompetitions(), (std::vector<std::string>{setupPath, fall}));

    std::filesystem::remove(fall);
    EXPECT_FALSE(dialog.OnMenuCommand(CMainMenu::kFirstRecentCommand + 1));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Setup data file " + fall + " not found."}));
    EXPECT_EQ(dialog.RecentCompetitions(), (std::vector<std::string>{setupPath}));
    EXPECT_EQ(ui.recentCompetitions, dialog.RecentCompetitions());

    EXPECT_TRUE(dialog.OnMenuCommand(CMainMenu::kFirstRecentCommand));
    EXPECT_EQ(dialog.nextCompetition, setupPath);
}

TEST(MainMenuTest, ADisabledStepIsDisabledInTheMenuAndAnAmpersandInAPathIsALetter) {
    const auto menus = CMainMenu::Build({"/home/a&b/Spring.stu"},
                                        [](int id) { return id != CMainDialog::kPurchasesId; });
    EXPECT_FALSE(FindCommand(menus, CMainDialog::kPurchasesId)->enabled);
    EXPECT_TRUE(FindCommand(menus, CMainDialog::kEntriesId)->enabled);
    EXPECT_EQ(FindCommand(menus, CMainMenu::kFirstRecentCommand)->text, "&1 /home/a&&b/Spring.stu");
}
