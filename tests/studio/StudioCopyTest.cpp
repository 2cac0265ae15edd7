// A new studio takes its name and address from last competition's studio data file.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/Database.h"
#include "formats/DataFileWriter.h"
#include "studio/StudioData.h"
#include "studio/StudioDialog.h"
#include "support/ScriptedUi.h"
#include "support/SilentUi.h"
#include "support/StudioFixtures.h"

namespace {

class StudioCopyTest : public ::testing::Test {
protected:
    StudioCopyTest() {
        db.setupFileName = dir.File("Fall.stu");
        db.fieldSeparator = "|";
    }

    // A studio data file of the competition `setup` for "Star Dance <J. Smith>".
    std::string WriteStudioFile(const std::string& setup) {
        CSilentUi silent;
        CDatabase other(silent);
        other.fieldSeparator = "|";
        CStudioRecord& studio = AddStudio(other, "Star Dance <J. Smith>");
        studio.kind = 'I';
        studio.address1 = "1 Main St";
        studio.city = "Springfield";
        studio.zip = "12345";
        studio.email = "star@example.org";
        other.dataFileName = dir.File(setup + "_Star_Dance_{J_Smith}.tvr");
        EXPECT_TRUE(WriteDataFile(other, other.dataFileName));
        return other.dataFileName;
    }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
};

TEST_F(StudioCopyTest, ANewStudioIsFilledFromLastCompetitionsFileAndConfirmedWithOK) {
    const std::string last = WriteStudioFile("Spring");
    const std::string lastBytes = ReadFileBytes(last);
    ui.fileAnswers = {"", last};
    ui.ExpectDialog<CStudioDialog>([&](CStudioDialog& dialog) {
        dialog.city = "typed";
        dialog.OnCopyFrom();  // cancelled: what was typed stays
        EXPECT_EQ(dialog.city, "typed");
        dialog.OnCopyFrom();
        EXPECT_EQ(dialog.name, "Star Dance");
        EXPECT_EQ(dialog.nameAgain, "Star Dance");
        EXPECT_EQ(dialog.invoiceName, "J. Smith");
        EXPECT_EQ(dialog.invoiceNameAgain, "J. Smith");
        EXPECT_TRUE(dialog.independent);
        EXPECT_EQ(dialog.city, "Springfield");
        EXPECT_TRUE(dialog.nameEditable);
        dialog.phone = "555-0100";
        return dialog.OnOK() ? IDOK : IDCANCEL;
    });
    ASSERT_EQ(NewStudio(db), 1);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"dialog: 211", "open file: Copy studio data from",
                                                "open file: Copy studio data from"}));
    // The file dialog opens beside the competition's folder, where last year's one stands.
    EXPECT_EQ(ui.lastStartFolder,
              std::filesystem::path(dir.File("Fall.stu")).parent_path().parent_path().string());
    const CStudioRecord& studio = *db.studioArray.front();
    EXPECT_EQ(studio.name, "Star Dance <J. Smith>");
    EXPECT_EQ(studio.kind, 'I');
    EXPECT_EQ(studio.address1, "1 Main St");
    EXPECT_EQ(studio.zip, "12345");
    EXPECT_EQ(studio.email, "star@example.org");
    EXPECT_EQ(studio.phone, "555-0100");
    EXPECT_EQ(db.dataFileName, dir.File("Fall_Star_Dance_{J_Smith}.tvr"));
    EXPECT_EQ(ReadFileBytes(last), lastBytes);
}

TEST_F(StudioCopyTest, TheNameCheckStillAppliesAndABadFileCopiesNothing) {
    // This competition already has a file for the studio.
    WriteStudioFile("Fall");
    const std::string notes = dir.File("notes.tvr");
    WriteFileBytes(notes, "nothing here\r\n");
    ui.fileAnswers = {dir.File("gone.tvr"), notes, dir.File("Fall_Star_Dance_{J_Smith}.tvr")};
    ui.ExpectDialog<CStudioDialog>([&](CStudioDialog& dialog) {
        dialog.city = "typed";
        dialog.OnCopyFrom();
        dialog.OnCopyFrom();
        EXPECT_EQ(dialog.city, "typed");
        EXPECT_EQ(dialog.name, "");
        dialog.OnCopyFrom();
        EXPECT_FALSE(dialog.OnOK());
        return IDCANCEL;
    });
    EXPECT_EQ(NewStudio(db), 0);
    EXPECT_EQ(
        ui.messages,
        (std::vector<std::string>{
            "No studio data was copied: gone.tvr cannot be read (No such file or "
            "directory).",
            "No studio data was copied: notes.tvr holds no studio data.",
            "A data file for Star Dance <J. Smith> already exists:\n" +
                dir.File("Fall_Star_Dance_{J_Smith}.tvr") + "\nPlease enter a different name."}));
}

TEST_F(StudioCopyTest, AStoredStudioOffersNoCopy) {
    CStudioRecord& studio = AddStudio(db, "Star Dance");
    CStudioDialog dialog(ui, studio);
    dialog.OnCopyFrom();  // no file dialog is expected
    EXPECT_EQ(dialog.name, "Star Dance");
    EXPECT_TRUE(ui.log.empty());
}

}  // namespace
