#include "util/Files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "platform/DriveMap.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

namespace fs = std::filesystem;

namespace {

TEST(FileFunctions, PatternsMatchPlainFilesIgnoringCase) {
    CTempDir dir;
    WriteFileBytes(dir.File("Fall.STU"), "stu|");
    WriteFileBytes(dir.File("Spring.stu"), "stu|stu|");
    WriteFileBytes(dir.File("notes.txt"), "");
    fs::create_directory(dir.Path() / "old.stu");
    EXPECT_EQ(FileExists(dir.File("Spring.stu")), 1);
    EXPECT_EQ(FileExists(dir.File("Summer.stu")), 0);
    EXPECT_EQ(FileExists(dir.File("old.stu")), 0);  // a directory is no file
    EXPECT_EQ(FileExists(dir.File("*.stu")), 1);
    EXPECT_EQ(FileExists(dir.File("F?ll.stu")), 1);
    EXPECT_EQ(FileExists(dir.File("*.tvr")), 0);
    EXPECT_EQ(FileExists(dir.File("missing/*.stu")), 0);
    EXPECT_EQ(FileSizeOf(dir.File("Spring.stu")), 8u);
    EXPECT_EQ(FileSizeOf(dir.File("*.stu")), 4u);  // the first match: Fall.STU
    EXPECT_EQ(FileSizeOf(dir.File("*.tvr")), 0u);
}

TEST(FileFunctions, WildcardRules) {
    EXPECT_TRUE(MatchesPattern("Spring_Star_Dance.tvr", "Spring*.tvr"));
    EXPECT_TRUE(MatchesPattern("a.b.c", "*.c"));
    EXPECT_TRUE(MatchesPattern("README", "*.*"));
    EXPECT_TRUE(MatchesPattern("", "*"));
    EXPECT_FALSE(MatchesPattern("Fall.stux", "*.stu"));
    EXPECT_FALSE(MatchesPattern("ab", "a?b"));
    EXPECT_TRUE(MatchesPattern("aXYb", "a*?b"));
}

TEST(FileFunctions, ListFilesAppendsNamesAndLocalTimesInNameOrder) {
    CTempDir dir;
    for (const char* name : {"b.stu", "A.stu", "c.tvr"}) {
        WriteFileBytes(dir.File(name), "x");
    }
    std::tm local{};
    local.tm_year = 2002 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 27;
    local.tm_hour = 14;
    local.tm_min = 5;
    local.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&local));
    fs::last_write_time(dir.File("b.stu"), std::chrono::file_clock::from_sys(when));

    CStringList names{"kept"}, dates{"kept"};
    EXPECT_EQ(ListFiles(dir.File("*.stu"), names, dates), 3);
    EXPECT_EQ(names, (CStringList{"kept", "A.stu", "b.stu"}));
    ASSERT_EQ(dates.size(), 3u);
    EXPECT_EQ(dates[2], "Wed, Mar 27, 2002 02:05 PM");
    EXPECT_EQ(ListFiles(dir.File("*.txt"), names, dates), 0);
    EXPECT_EQ(names.size(), 3u);
}

TEST(FileFunctions, PathParts) {
    EXPECT_EQ(DirectoryOf("\"/opt/tavorin/Fall.stu\""), "/opt/tavorin");
    EXPECT_EQ(DirectoryOf("Fall.stu"), "");
    EXPECT_EQ(DirectoryOf("/Fall.stu"), "");
    EXPECT_EQ(FileNameOf("/opt/tavorin/Fall.stu"), "Fall.stu");
    EXPECT_EQ(FileNameOf("Fall.stu\""), "Fall.stu\"");
    EXPECT_EQ(FileNameOf("/opt/tavorin/"), "");
#ifdef _WIN32
    EXPECT_EQ(DirectoryOf("C:\\Studios\\Fall.stu"), "C:\\Studios");
    EXPECT_EQ(FileNameOf("C:\\Studios\\Fall.stu"), "Fall.stu");
    EXPECT_EQ(FileNameOf(ProgramPath()), "tavorin_tests.exe");
#else
    EXPECT_EQ(FileNameOf(ProgramPath()), "tavorin_tests");
#endif
    const std::string self = ProgramPath();
    EXPECT_EQ(FileExists(self), 1);
}

TEST(FileFunctions, ReadFirstLineKeepsItsLineFeedAndStopsAt16383Bytes) {
    CTempDir dir;
    WriteFileBytes(dir.File("a.tvr"), "ST|Star Dance|\r\nPR|M2|\r\n");
    EXPECT_EQ(ReadFirstLine(dir.File("a.tvr")), "ST|Star Dance|\n");
    WriteFileBytes(dir.File("empty.tvr"), "");
    EXPECT_EQ(ReadFirstLine(dir.File("empty.tvr")), "");
    WriteFileBytes(dir.File("long.tvr"), std::string(20000, 'x'));
    EXPECT_EQ(ReadFirstLine(dir.File("long.tvr")), std::string(16383, 'x'));
    // Not "nul.tvr": Windows takes that name for its null device.
    WriteFileBytes(dir.File("zero.tvr"), std::string("ST|Star\0Dance|\n", 15));
    EXPECT_EQ(ReadFirstLine(dir.File("zero.tvr")), "ST|Star");
    EXPECT_EQ(ReadFirstLine(dir.File("missing.tvr")), "");
}

TEST(FileFunctions, WriteLinesEndsEveryLineWithALineFeed) {
    CTempDir dir;
    EXPECT_EQ(WriteLines(dir.File("report.txt"), {"Summary", "", "Total: 120.00"}), 1);
    EXPECT_EQ(ReadFileBytes(dir.File("report.txt")), "Summary\n\nTotal: 120.00\n");
    EXPECT_EQ(WriteLines(dir.File("report.txt"), {"Again"}), 1);
    EXPECT_EQ(ReadFileBytes(dir.File("report.txt")), "Again\n");
    EXPECT_EQ(WriteLines(dir.File("missing/report.txt"), {"Lost"}), 0);
}

}  // namespace
