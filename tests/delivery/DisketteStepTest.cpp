// Making the disk: the drive is asked for, emptied and given both files; a drive that is not
// there, or that is the studio's own folder, loses nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "delivery/DeliveryStudio.h"
#include "delivery/DisketteStep.h"
#include "delivery/MakeDataFile.h"
#include "dialogs/TextDialog.h"
#include "platform/DriveMap.h"
#include "util/Files.h"

namespace fs = std::filesystem;

namespace {

class DisketteStepTest : public ::testing::Test, public CDeliveryStudio {
protected:
    DisketteStepTest() {
        setenv("TAVORIN_DRIVE_Q", disk.Path().string().c_str(), 1);
        setenv("TAVORIN_DRIVE_R", disk.File("not mounted").c_str(), 1);
        setenv("TAVORIN_DRIVE_S", dir.Path().string().c_str(), 1);
        WriteFileBytes(disk.File("Fall_Old_Studio.tvr"), "ST|Old|\r\n");
        WriteFileBytes(disk.File("notes.doc"), "x");
    }
    ~DisketteStepTest() override {
        for (const char* name : {"TAVORIN_DRIVE_Q", "TAVORIN_DRIVE_R", "TAVORIN_DRIVE_S"}) {
            unsetenv(name);
        }
    }

    // Reviews nothing and answers the drive prompt with `typed` (or cancels it).
    void AnswerDrive(const std::string& typed, int result = IDOK) {
        ui.ExpectQuestion(kReviewQuestion, false)
            .ExpectDialog<CTextDialog>([typed, result](CTextDialog& drive) {
                EXPECT_EQ(drive.caption, "Drive");
                EXPECT_EQ(drive.maxLength, 1);
                EXPECT_EQ(drive.text, "A");
                drive.SetText(typed);
                return result;
            });
    }

    CTempDir disk;
};

TEST_F(DisketteStepTest, AnEmptyAnswerOrCancelCopiesAndDeletesNothing) {
    AnswerDrive("");
    MakeDisketteStep(db);
    AnswerDrive("q", IDCANCEL);
    MakeDisketteStep(db);
    EXPECT_TRUE(FileExists(disk.File("Fall_Old_Studio.tvr")));
    EXPECT_FALSE(FileExists(disk.File("Spring_Star_Dance.tvr")));
    EXPECT_FALSE(FileExists(reportFile));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DisketteStepTest, TheDiskIsEmptiedWhenTheUserSaysSoAndGetsBothFiles) {
    fs::create_directory(disk.Path() / "photos");
    WriteFileBytes(disk.File("photos/team.jpg"), "x");
    AnswerDrive("q");
    ui.ExpectQuestion("Drive Q: (" + disk.Path().string() +
                          ") holds 2 files: Fall_Old_Studio.tvr, notes.doc. Delete them before "
                          "copying?",
                      true);
    MakeDisketteStep(db);

    EXPECT_FALSE(fs::exists(disk.File("Fall_Old_Studio.tvr")));
    EXPECT_FALSE(fs::exists(disk.File("notes.doc")));
    EXPECT_TRUE(fs::exists(disk.File("photos/team.jpg"))) << "only files of the drive's folder go";
    EXPECT_EQ(ReadFileBytes(disk.File("Spring_Star_Dance.tvr")), ReadFileBytes(dataFile));
    EXPECT_NE(ReadFileBytes(dataFile).find("|Turner|"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(disk.File("SummaryReport_Star_Dance.txt")), ReadFileBytes(reportFile));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"The data file and the summary report are on drive Q: (" +
                                        disk.Path().string() +
                                        "):\nSpring_Star_Dance.tvr\nSummaryReport_Star_Dance.txt\n"
                                        "Deleted from the disk first: Fall_Old_Studio.tvr, "
                                        "notes.doc.\nPlease send the disk to the organizer."}));
    EXPECT_EQ(ui.log.back().rfind("information: ", 0), 0u);

    // Made again, the disk holds only our two files: they are replaced and nothing is asked.
    AnswerDrive("Q");
    MakeDisketteStep(db);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[1].find("\nNothing else on the disk was deleted.\n"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.Path()), fs::directory_iterator()), 3);
}

// No keeps every file of the studio's; a copy the user declines ends without the news of success.
TEST_F(DisketteStepTest, NoDeletesNothingAndACopyNotMadeClaimsNoSuccess) {
    for (int i = 1; i <= 10; ++i) {
        WriteFileBytes(
            disk.File("photo" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".jpg"), "x");
    }
    const std::string question = "Drive Q: (" + disk.Path().string() +
                                 ") holds 12 files: Fall_Old_Studio.tvr, notes.doc, photo01.jpg, "
                                 "photo02.jpg, photo03.jpg, photo04.jpg, photo05.jpg, photo06.jpg, "
                                 "photo07.jpg, photo08.jpg and 2 more. Delete them before copying?";
    AnswerDrive("q");
    ui.ExpectQuestion(question, false);
    MakeDisketteStep(db);
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.Path()), fs::directory_iterator()), 14);
    EXPECT_EQ(ReadFileBytes(disk.File("Spring_Star_Dance.tvr")), ReadFileBytes(dataFile));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("\nNothing else on the disk was deleted.\n"), std::string::npos);

    AnswerDrive("q");
    ui.ExpectQuestion(question, false)
        .ExpectQuestion(
            "File " + disk.File("SummaryReport_Star_Dance.txt") + " exists.\n Overwrite?", false);
    MakeDisketteStep(db);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(FileExists(disk.File("photo10.jpg")));
}

// The report cannot be written beside the data file (a folder holds its name): the disk gets
// the data file, the user is told which file is missing, and no message claims both are there.
TEST_F(DisketteStepTest, AReportThatCannotBeWrittenBringsNoSuccessAndIsNamedAsMissing) {
    fs::create_directory(reportFile);
    AnswerDrive("q");
    ui.ExpectQuestion("Drive Q: (" + disk.Path().string() +
                          ") holds 2 files: Fall_Old_Studio.tvr, notes.doc. Delete them before "
                          "copying?",
                      false);
    MakeDisketteStep(db);
    EXPECT_EQ(ReadFileBytes(disk.File("Spring_Star_Dance.tvr")), ReadFileBytes(dataFile));
    EXPECT_FALSE(fs::exists(disk.File("SummaryReport_Star_Dance.txt")));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"The summary report could not be written to " +
                                                     reportFile + "."}));
    for (const std::string& line : ui.log) {
        EXPECT_EQ(line.find("are on drive"), std::string::npos) << line;
        EXPECT_NE(line.rfind("information: ", 0), 0u) << line;
    }
}

TEST_F(DisketteStepTest, ADriveThatIsNotThereIsANotReadyDeviceAndNothingIsDeleted) {
    const std::string notReady =
        "Device not ready in copying " + dataFile + " to R:Spring_Star_Dance.tvr.\nTry again?";
    AnswerDrive("r");
    ui.ExpectQuestion(notReady, true).ExpectQuestion(notReady, false);
    MakeDisketteStep(db);
    EXPECT_FALSE(fs::exists(disk.File("not mounted")));
    EXPECT_TRUE(FileExists(disk.File("Fall_Old_Studio.tvr")));
    EXPECT_TRUE(FileExists(dataFile));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DisketteStepTest, ALetterThatNamesNothingSaysWhichLettersDo) {
    unsetenv("TAVORIN_DRIVE_Z");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter != 'Q' && letter != 'R' && letter != 'S' && !DriveDirectory(letter).empty()) {
            GTEST_SKIP() << "this machine has removable volumes of its own";
        }
    }
    AnswerDrive("z");
    ui.ExpectQuestion(
        "Drive Z: names no removable disk or folder on this computer. The letters "
        "that do: Q: (" +
            disk.Path().string() + "), S: (" + dir.Path().string() +
            ").\nPlug the disk in and try again?",
        false);
    MakeDisketteStep(db);
    EXPECT_TRUE(FileExists(disk.File("notes.doc")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DisketteStepTest, TheStudiosOwnFolderIsRefusedAsADrive) {
    WriteFileBytes(db.setupFileName, "stu|1|Spring Open|org@example.org|S|S|S|1\r\n");
    WriteFileBytes(dir.File("Spring_Moon_Dance.tvr"), "ST|Moon Dance|\r\n");
    AnswerDrive("s");
    MakeDisketteStep(db);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.front().rfind("Drive S: is the folder " + dir.Path().string() + ",", 0),
              0u);
    for (const std::string& kept :
         {dataFile, db.setupFileName, dir.File("Spring_Moon_Dance.tvr")}) {
        EXPECT_TRUE(FileExists(kept)) << kept;
    }
}

}  // namespace
