#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <cerrno>
#include <csignal>

#include "data/Database.h"
#include "formats/DataFileReader.h"
#include "formats/DataFileWriter.h"
#include "formats/FileReplace.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace {

class SavingTest : public ::testing::Test {
protected:
    SavingTest() {
        db.fieldSeparator = "|";
        db.dataFileName = dir.File("Spring_Star_Dance.tvr");
        AddStudio(db, "Star Dance");
        EXPECT_TRUE(WriteDataFile(db, db.dataFileName));
        previous = ReadFileBytes(db.dataFileName);
        AddPersonRecord(db, 'M', 'P', 0, "Bob", "Ray");
    }
    void ExpectPreviousFileAndOneMessage() {
        EXPECT_EQ(ReadFileBytes(db.dataFileName), previous);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].rfind(
                      "Error - the data file " + db.dataFileName + " could not be saved (", 0),
                  0u);
        EXPECT_NE(ui.messages[0].find("The previous copy of the file is unchanged."),
                  std::string::npos);
    }

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
    std::string previous;
};

TEST_F(SavingTest, ASavedFileReplacesTheOldOneAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    EXPECT_NE(ReadFileBytes(db.dataFileName), previous);
    EXPECT_FALSE(std::filesystem::exists(ReplacementPathFor(db.dataFileName)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(SavingTest, AFileThatCannotBeCreatedLeavesTheOldOneAndSaysSo) {
    std::filesystem::create_directory(ReplacementPathFor(db.dataFileName));
    EXPECT_FALSE(WriteDataFile(db, db.dataFileName));
    ExpectPreviousFileAndOneMessage();
}

TEST_F(SavingTest, ADiskThatFillsUpWhileWritingLeavesTheOldFileWhole) {
    // A file-size limit makes the write fail part way, as a full disk would.
    for (int i = 0; i < 200; ++i) {
        AddPersonRecord(db, 'F', 'A', 0, "Person", "Number " + std::to_string(i));
    }
#ifdef _WIN32
    GTEST_SKIP() << "a full disk is made with the file size limit of setrlimit";
#else
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = WriteDataFile(db, db.dataFileName);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    ExpectPreviousFileAndOneMessage();
    EXPECT_FALSE(std::filesystem::exists(ReplacementPathFor(db.dataFileName)));
#endif
}

TEST_F(SavingTest, ADirectoryThatIsGoneIsReported) {
    db.dataFileName = dir.File("gone/Spring_Star_Dance.tvr");
    EXPECT_FALSE(WriteDataFile(db, db.dataFileName));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("No such file or directory"), std::string::npos);
    // There was no copy before, so the message does not promise one.
    EXPECT_EQ(ui.messages[0].find("previous copy"), std::string::npos);
}

// A disk that refuses one of the save's calls, as a real one does.
class CFailingFileSystem : public CSaveFileSystem {
public:
    enum class EFail { Nothing, Create, WriteHalfway, Flush, Close, Rename };
    EFail fail = EFail::Nothing;

    int Create(const std::string& path, std::FILE*& file) override {
        return fail == EFail::Create ? EACCES : CSaveFileSystem::Create(path, file);
    }
    int Write(std::FILE* file, const char* data, std::size_t size) override {
        if (fail != EFail::WriteHalfway) {
            return CSaveFileSystem::Write(file, data, size);
        }
        CSaveFileSystem::Write(file, data, size / 2);
        return ENOSPC;
    }
    // The bytes are written, but the disk does not take them (a removed stick, a full share).
    int Flush(std::FILE* file) override {
        return fail == EFail::Flush ? EIO : CSaveFileSystem::Flush(file);
    }
    // The file is closed all the same, as a real close is, and then reports the error.
    int Close(std::FILE* file) override {
        const int closed = CSaveFileSystem::Close(file);
        return fail == EFail::Close ? ENOSPC : closed;
    }
    int Rename(const std::string& from, const std::string& to) override {
        return fail == EFail::Rename ? EPERM : CSaveFileSystem::Rename(from, to);
    }
};

TEST_F(SavingTest, EachFailedSaveKeepsTheOldFileAndTheNextGoodSaveWritesEverything) {
    CFailingFileSystem disk;
    CSaveFileSystemOverride inPlace(disk);
    const std::pair<CFailingFileSystem::EFail, const char*> failures[] = {
        {CFailingFileSystem::EFail::Create, "Permission denied"},
        {CFailingFileSystem::EFail::WriteHalfway, "No space left on device"},
        {CFailingFileSystem::EFail::Flush, "Input/output error"},
        {CFailingFileSystem::EFail::Close, "No space left on device"},
        {CFailingFileSystem::EFail::Rename, "Operation not permitted"},
    };
    for (const auto& [fail, reason] : failures) {
        disk.fail = fail;
        // One person more per failed save, each of another name.
        AddPersonRecord(db, 'F', 'A', 0, "Ann " + std::to_string(static_cast<int>(fail)), reason);
        EXPECT_FALSE(WriteDataFile(db, db.dataFileName)) << reason;
        ExpectPreviousFileAndOneMessage();
        EXPECT_NE(ui.messages[0].find(reason), std::string::npos) << ui.messages[0];
        EXPECT_FALSE(std::filesystem::exists(ReplacementPathFor(db.dataFileName)));
        ui.messages.clear();
    }
    EXPECT_EQ(db.personArray.size(), 6u);  // nothing typed is lost in the store

    // The studio's file replaced by a folder of that name (a sync tool's conflict, say).
    std::filesystem::remove(db.dataFileName);
    std::filesystem::create_directory(db.dataFileName);
    disk.fail = CFailingFileSystem::EFail::Nothing;
    EXPECT_FALSE(WriteDataFile(db, db.dataFileName));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(db.dataFileName));
    ui.messages.clear();

    std::filesystem::remove(db.dataFileName);
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    EXPECT_TRUE(ui.messages.empty());
    CDatabase reread(ui);
    reread.dataFileName = db.dataFileName;
    ASSERT_TRUE(ReadDataFile(reread));
    EXPECT_EQ(reread.personArray.size(), 6u);
}

#ifndef _WIN32
// A disk on which the saving program dies part way through its write, or just before the rename.
class CDyingFileSystem : public CSaveFileSystem {
public:
    explicit CDyingFileSystem(double writtenPart) : writtenPart_(writtenPart) {}
    int Write(std::FILE* file, const char* data, std::size_t size) override {
        const auto part = static_cast<std::size_t>(static_cast<double>(size) * writtenPart_);
        CSaveFileSystem::Write(file, data, std::min(part, size));
        if (writtenPart_ < 1.0) {
            std::fflush(file);
            ::kill(::getpid(), SIGKILL);
        }
        return 0;
    }
    int Rename(const std::string&, const std::string&) override {
        ::kill(::getpid(), SIGKILL);
        return 0;
    }

private:
    double writtenPart_;
};

#endif

TEST_F(SavingTest, AProgramKilledWhileSavingLeavesTheOldFileWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "the saving program is a fork() of the test";
#else
    for (int i = 0; i < 4000; ++i) {
        AddPersonRecord(db, 'F', 'A', 0, "Dancer", "Number " + std::to_string(i));
    }
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    const std::string old = ReadFileBytes(db.dataFileName);
    ASSERT_GT(old.size(), 400000u);  // a large studio: the write takes a while
    db.personArray.front()->firstName = "Changed";
    for (const double writtenPart : {0.0, 0.5, 0.999, 1.0}) {
        const pid_t saver = fork();
        if (saver == 0) {
            CDyingFileSystem disk(writtenPart);
            CSaveFileSystemOverride inPlace(disk);
            WriteDataFile(db, db.dataFileName);
            _exit(0);  // not reached: the disk kills the program
        }
        int status = 0;
        waitpid(saver, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << writtenPart;
        EXPECT_EQ(ReadFileBytes(db.dataFileName), old) << writtenPart;
    }
    // What the dead program left behind goes at the next start; the next save is whole.
    RemoveLeftoverReplacement(db.dataFileName);
    EXPECT_FALSE(std::filesystem::exists(ReplacementPathFor(db.dataFileName)));
    ASSERT_TRUE(WriteDataFile(db, db.dataFileName));
    EXPECT_NE(ReadFileBytes(db.dataFileName).find("Changed"), std::string::npos);
#endif
}

TEST(FileReplaceTest, ReplacesContentsWhole) {
    CTempDir dir;
    const std::string path = dir.File("a.txt");
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(path, "first", error));
    ASSERT_TRUE(ReplaceFileContents(path, "second", error));
    EXPECT_EQ(ReadFileBytes(path), "second");
    EXPECT_TRUE(error.empty());
}

TEST(FileReplaceTest, AFileMadePrivateStaysPrivate) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no owner-only permission bits";
#endif
    CTempDir dir;
    const std::string path = dir.File("Spring_Star_Dance.tvr");
    WriteFileBytes(path, "old");
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(path, "new", error));
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(FileReplaceTest, ALinkedFileIsWrittenThroughItsLink) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need extra rights on Windows";
#endif
    // The studio keeps its file in a synchronised folder and a link to it beside the setup file.
    CTempDir dir;
    namespace fs = std::filesystem;
    fs::create_directory(dir.Path() / "synced");
    const std::string real = dir.File("synced/Spring_Star_Dance.tvr");
    const std::string link = dir.File("Spring_Star_Dance.tvr");
    WriteFileBytes(real, "old");
    fs::create_symlink(real, link);
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(link, "new", error));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(real), "new");
    EXPECT_FALSE(fs::exists(ReplacementPathFor(link)));
    EXPECT_FALSE(fs::exists(ReplacementPathFor(real)));

    // With the linked folder gone the data is still saved, in place of the link.
    fs::remove_all(dir.Path() / "synced");
    ASSERT_TRUE(ReplaceFileContents(link, "newer", error)) << error;
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(link), "newer");
}

}  // namespace
