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

    EXPECT_EQ(dialog.title, "Data for Spring Open");
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
