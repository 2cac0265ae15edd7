#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "delivery/RemovableDisk.h"
#include "platform/DriveMap.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"
#include "util/Files.h"

namespace fs = std::filesystem;

namespace {

class CopyFileTest : public ::testing::Test {
protected:
    CopyFileTest() { WriteFileBytes(source, "ST|Star Dance|\r\n"); }

    // Attempts that fail with `errors` in turn and then copy for real.
    CCopyAttempt Failing(std::vector<int> errors) {
        return [this, errors, next = size_t{0}]() mutable -> std::error_code {
            ++attempts;
            if (next < errors.size()) {
                // A failed copy may leave part of the file behind.
                WriteFileBytes(target, "ST|St");
                return {errors[next++], std::generic_category()};
            }
            return CopyOverPlainFile(source, target);
        };
    }
    std::string Pair(const char* format) const { return FormatText(format, {source, target}); }

    CTempDir dir;
    std::string source = dir.File("Spring_Star_Dance.tvr");
    std::string target = dir.File("disk/Spring_Star_Dance.tvr");
    CScriptedUi ui;
    int attempts = 0;
};

TEST_F(CopyFileTest, AMissingSourceIsReportedAndTheTargetLeftAlone) {
    fs::create_directory(dir.Path() / "disk");
    WriteFileBytes(target, "old");
    EXPECT_EQ(CopyFileWithPrompts(ui, dir.File("Nothing.tvr"), target, 1), 3);
    EXPECT_EQ(ui.log, std::vector<std::string>{"message: File " + dir.File("Nothing.tvr") +
                                               " does not exist."});
    EXPECT_EQ(ReadFileBytes(target), "old");
}

TEST_F(CopyFileTest, AnExistingTargetIsReplacedOnlyWhenTheUserAgrees) {
    fs::create_directory(dir.Path() / "disk");
    WriteFileBytes(target, "old");
    const std::string question = "File " + target + " exists.\n Overwrite?";

    ui.ExpectQuestion(question, false);
    EXPECT_EQ(CopyFileWithPrompts(ui, source, target, 1), 1);
    EXPECT_EQ(ReadFileBytes(target), "old");

    ui.ExpectQuestion(question, true);
    EXPECT_EQ(CopyFileWithPrompts(ui, source, target, 1), 0);
    EXPECT_EQ(ReadFileBytes(target), "ST|Star Dance|\r\n");

    WriteFileBytes(target, "old");
    EXPECT_EQ(CopyFileWithPrompts(ui, source, target, 0), 0);  // no question asked
    EXPECT_EQ(ReadFileBytes(target), "ST|Star Dance|\r\n");
}

TEST_F(CopyFileTest, AMissingTargetFolderIsAPathNotFound) {
    EXPECT_EQ(CopyFileWithPrompts(ui, source, target, 1), 3);
    EXPECT_EQ(ui.messages, std::vector<std::string>{Pair("Path not found in copying %s to %s.")});
}

TEST_F(CopyFileTest, CopyingAFileOntoItselfKeepsIt) {
    EXPECT_EQ(CopyFileWithPrompts(ui, source, source, 0), 0);
    EXPECT_EQ(ReadFileBytes(source), "ST|Star Dance|\r\n");
}

TEST_F(CopyFileTest, AFullDiskIsRetriedAfterYesAndGivenUpAfterNo) {
    fs::create_directory(dir.Path() / "disk");
    const std::string question = "Disk is full.\nChange it and try again?";
    ui.ExpectQuestion(question, true).ExpectQuestion(question, true);
    EXPECT_EQ(CopyFileWithPrompts(ui, source, target, 1, Failing({ENOSPC, ENOSPC})), 0);
    EXPECT_EQ(attempts, 3);
    EXPECT_EQ(ReadFileBytes(target), "ST|Star Dance|\r\n");

    fs::remove(target);
    ui.ExpectQuestion(question, false);
    EXPECT_EQ(CopyFileWithPrompts(ui, source, target, 1, Failing({ENOSPC})), 2);
    EXPECT_FALSE(fs::exists(target)) << "a half-written copy stays behind";
}

TEST_F(CopyFileTest, EachFailureAsksItsOwnQuestion) {
    fs::create_directory(dir.Path() / "disk");
    struct Case {
        int error;
        std::string question;
        int resultAfterNo;
    };
    const std::vector<Case> cases = {
        {EACCES, Pair("Access denied in copying %s to %s.\nTry again?"), 2},
        {EROFS, Pair("Access denied in copying %s to %s.\nTry again?"), 2},
#ifdef ENOMEDIUM
        {ENOMEDIUM, Pair("Device not ready in copying %s to %s.\nTry again?"), 2},
#endif
        {EIO,
         FormatText("Error %i in copying %s to %s.\nTry again?",
                    {std::to_string(EIO), source, target}),
         3},
        {EEXIST, "File " + target + " exists.\n Overwrite?", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        CScriptedUi retrying;
        retrying.ExpectQuestion(c.question, true).ExpectQuestion(c.question, false);
        EXPECT_EQ(CopyFileWithPrompts(retrying, source, target, 0, Failing({c.error, c.error})),
                  c.resultAfterNo);
        fs::remove(target);
    }
}

TEST_F(CopyFileTest, ASourceThatVanishesIsAFileNotFound) {
    fs::create_directory(dir.Path() / "disk");
    const CCopyAttempt vanishing = [this] {
        fs::remove(source);
        return std::error_code(ENOENT, std::generic_category());
    };
    EXPECT_EQ(CopyFileWithPrompts(ui, source, target, 0, vanishing), 3);
    EXPECT_EQ(ui.messages, std::vector<std::string>{Pair("File not found in copying %s to %s.")});
}

class DriveTest : public ::testing::Test {
protected:
    DriveTest() { setenv("TAVORIN_DRIVE_Q", disk.Path().string().c_str(), 1); }
    ~DriveTest() override { unsetenv("TAVORIN_DRIVE_Q"); }
    CTempDir disk;
    CTempDir elsewhere;
    CScriptedUi ui;
};

TEST_F(DriveTest, EmptyingADiskDeletesOnlyThePlainFilesInItsDirectory) {
    WriteFileBytes(disk.File("Old_Studio.tvr"), "ST|");
    WriteFileBytes(disk.File("SummaryReport_Old.txt"), "x");
    fs::create_directory(disk.Path() / "photos");
    WriteFileBytes((disk.Path() / "photos" / "team.jpg").string(), "x");
    WriteFileBytes(elsewhere.File("keep.tvr"), "x");
#ifndef _WIN32  // symbolic links need extra rights on Windows
    fs::create_symlink(elsewhere.File("keep.tvr"), disk.Path() / "link.tvr");
#endif

    EXPECT_EQ(DeleteAllFilesOnDrive(ui, 'q'), 1);
    EXPECT_FALSE(fs::exists(disk.File("Old_Studio.tvr")));
    EXPECT_FALSE(fs::exists(disk.File("SummaryReport_Old.txt")));
#ifndef _WIN32
    EXPECT_FALSE(fs::exists(fs::symlink_status(disk.Path() / "link.tvr")));
#endif
    EXPECT_TRUE(fs::exists(disk.Path() / "photos" / "team.jpg"));
    EXPECT_TRUE(fs::exists(elsewhere.File("keep.tvr")));
    EXPECT_TRUE(ui.log.empty());  // the wait cursor is checked by the scripted UI
}

TEST_F(DriveTest, ALetterNamingNothingDeletesNothing) {
    unsetenv("TAVORIN_DRIVE_Z");
    if (!DriveDirectory('Z').empty()) {
        GTEST_SKIP() << "this machine has 26 removable volumes";
    }
    EXPECT_EQ(DeleteAllFilesOnDrive(ui, 'Z'), 0);
    EXPECT_EQ(DrivePath('Z', "a.tvr"), "");
    EXPECT_EQ(DriveDirectory('1'), "");
}

TEST_F(DriveTest, DrivePathsLeadIntoTheMappedDirectory) {
    EXPECT_EQ(DrivePath('Q', "Spring.tvr"), (disk.Path() / "Spring.tvr").string());
    // Plain directories are no volumes: only mount points count.
    fs::create_directory(elsewhere.Path() / "USB STICK");
#ifndef _WIN32
    EXPECT_TRUE(MountedVolumesUnder({elsewhere.Path().string()}).empty());
    EXPECT_TRUE(MountedVolumesUnder({elsewhere.File("missing")}).empty());
#endif
}

}  // namespace
