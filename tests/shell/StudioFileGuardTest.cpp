// Start-up never damages a studio's data file it cannot use: one that another Tavorin has open,
// one that cannot be read, one that holds no studio. A save cut short is cleaned up.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>

#include "data/Database.h"
#include "formats/DataFileLock.h"
#include "formats/DataFileReader.h"
#include "formats/FileReplace.h"
#include "platform/Processes.h"
#include "shell/MainDialog.h"
#include "shell/SaveAndClear.h"
#include "studio/StudioDialog.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"
#include "util/Files.h"

namespace fs = std::filesystem;

namespace {

const std::string kSetup = "stu|1|Spring Open|org@example.org|S|S|S|1\r\n";
const std::string kStudio = "ST|Star Dance||||||||||M|R|0|1.2.2025.10.0.0|\r\n";

class StudioFileGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(setupPath, kSetup);
        WriteFileBytes(dataPath, kStudio);
    }

    // Starts the program as far as its main window and closes it again, as start-up does.
    bool StartAndClose() {
        CMainDialog dialog(ui, setupPath);
        const bool opened = dialog.Initialize();
        SaveAndClear(dialog.Store(), false);
        return opened;
    }

    CTempDir dir;
    std::string setupPath = dir.File("Spring.stu");
    std::string dataPath = dir.File("Spring_Star_Dance.tvr");
    CScriptedUi ui;
};

#ifndef _WIN32
// A process id that is surely not running any more.
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}
#endif

}  // namespace

TEST_F(StudioFileGuardTest, ASecondTavorinIsToldAndLeavesTheFirstOnesFileAlone) {
    std::string holder;
    auto first = CDataFileLock::Take(dataPath, holder);
    ASSERT_TRUE(first);
    WriteFileBytes(dataPath, kStudio + "PR|M|P|Bob|Ray||||||R1|0|1.2.2025.10.0.0|" + kStudio);
    const std::string firstOnesWork = ReadFileBytes(dataPath);

    EXPECT_FALSE(StartAndClose());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("The studio data file " + dataPath +
                                       " is open in another Tavorin (process " +
                                       std::to_string(CurrentProcessId()) + " on ",
                                   0),
              0u)
        << ui.messages[0];
    EXPECT_EQ(ReadFileBytes(dataPath), firstOnesWork);
    EXPECT_TRUE(fs::exists(CDataFileLock::LockPathFor(dataPath)));  // still the first one's

    first.reset();
    EXPECT_FALSE(fs::exists(CDataFileLock::LockPathFor(dataPath)));
}

TEST_F(StudioFileGuardTest, ALockLeftByACrashIsTakenOverAndTheHalfSaveCleanedUp) {
    const std::string host = HostName();
    // A crash of this run of the computer, and one before it was restarted: process 1 runs
    // now, but is no Tavorin. (Windows has no process 1: there it is simply gone.)
    const std::string staleLocks[] = {
#ifndef _WIN32
        std::to_string(EndedProcess()) + " " + host + "\n",
#else
        // A number Windows has given to a running program since the crash (this test's own):
        // the lock is not held open, as a running Tavorin's is.
        std::to_string(CurrentProcessId()) + " " + host + "\n",
#endif
        std::string("1 ") + host + " 00000000-0000-0000-0000-000000000000\n"};
    for (const std::string& stale : staleLocks) {
        WriteFileBytes(CDataFileLock::LockPathFor(dataPath), stale);
        WriteFileBytes(ReplacementPathFor(dataPath), "ST|Star Da");  // the crash came mid-save
        {
            CMainDialog dialog(ui, setupPath);
            ASSERT_TRUE(dialog.Initialize()) << stale;
            EXPECT_EQ(dialog.Store().studioArray.size(), 1u);
            EXPECT_FALSE(fs::exists(ReplacementPathFor(dataPath)));
            EXPECT_EQ(ReadFirstLine(CDataFileLock::LockPathFor(dataPath))
                          .rfind(std::to_string(CurrentProcessId()) + " ", 0),
                      0u);
            SaveAndClear(dialog.Store(), false);
        }
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FALSE(fs::exists(CDataFileLock::LockPathFor(dataPath)));  // given back on closing
    }
}

TEST_F(StudioFileGuardTest, AFileThatIsNoStudioFileIsNeverWrittenOver) {
    std::string garbage(200000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919 + 13) % 251 + 1);
    }
    WriteFileBytes(dataPath, garbage);
    EXPECT_FALSE(StartAndClose());
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"The file " + dataPath +
                                        " holds no studio data. Tavorin stops here and leaves the "
                                        "file as it is."}));
    EXPECT_EQ(ReadFileBytes(dataPath), garbage);
}

TEST_F(StudioFileGuardTest, AFileThatCannotBeReadIsNamedAndLeftAlone) {
#ifdef _WIN32
    GTEST_SKIP() << "made unreadable with POSIX permissions, read by another user";
#else
    fs::permissions(dataPath, fs::perms::none);
    fs::permissions(dir.Path(), fs::perms::all);
    const std::string expected = "The studio data file " + dataPath +
                                 " cannot be read (Permission denied). Tavorin stops here and "
                                 "leaves the file as it is.";
    // The superuser reads every file: the program runs as an ordinary user in a child process.
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(2);
            }
            const bool opened = StartAndClose();
            _exit(!opened && !ui.messages.empty() && ui.messages[0] == expected ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    fs::permissions(dataPath, fs::perms::owner_read | fs::perms::owner_write);
#endif
    EXPECT_EQ(ReadFileBytes(dataPath), kStudio);
}

TEST_F(StudioFileGuardTest, AFolderNamedLikeTheNewStudiosFileIsNotTakenForIt) {
    fs::remove(dataPath);
    fs::create_directory(dataPath);
    auto type = [](const std::string& name) {
        return std::function<int(CStudioDialog&)>([name](CStudioDialog& dialog) {
            dialog.name = dialog.nameAgain = name;
            return dialog.OnOK() ? IDOK : IDCANCEL;
        });
    };
    ui.ExpectDialog<CStudioDialog>(type("Star Dance"));
    EXPECT_FALSE(StartAndClose());
    EXPECT_EQ(ui.messages.front(), "A data file for Star Dance already exists:\n" + dataPath +
                                       "\nPlease enter a different name.");
    EXPECT_TRUE(fs::is_directory(dataPath));
}

TEST(DataFileReading, ADiskErrorPartWayIsAFailureNotAnEnd) {
#ifdef _WIN32
    GTEST_SKIP() << "the failing read comes from Linux's /proc/self/mem";
#endif
    CScriptedUi ui;
    CDatabase store(ui);
    // The kernel answers a read of this file with an input/output error.
    store.dataFileName = "/proc/self/mem";
    std::string whyNot;
    EXPECT_FALSE(ReadDataFile(store, &whyNot));
    EXPECT_EQ(whyNot, "Input/output error");
}
