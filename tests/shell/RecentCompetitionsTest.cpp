#include "shell/RecentCompetitions.h"

#include <gtest/gtest.h>

#include "support/StudioFixtures.h"

TEST(RecentCompetitionsTest, MostRecentFirstEachOnceAtMostFiveAndOnlyFilesThatAreThere) {
    CTempDir dir;
    std::vector<std::string> files;
    for (const char* name : {"A.stu", "B.stu", "C.stu", "D.stu", "E.stu", "F.stu"}) {
        files.push_back(dir.File(name));
        WriteFileBytes(files.back(), "stu|1|X|x@example.org|S|S|S|1\r\n");
    }
    std::vector<std::string> recent;
    for (const std::string& file : files) {
        recent = WithCompetitionOpened(recent, file);
    }
    // The sixth pushed the first out.
    EXPECT_EQ(recent, (std::vector<std::string>{files[5], files[4], files[3], files[2], files[1]}));

    // Opening one again moves it to the top, named another way it is still the same file.
    const std::string cByAnotherName = (dir.Path() / "sub" / ".." / "C.stu").string();
    recent = WithCompetitionOpened(recent, cByAnotherName);
    EXPECT_EQ(recent, (std::vector<std::string>{files[2], files[5], files[4], files[3], files[1]}));

    std::filesystem::remove(files[4]);
    EXPECT_EQ(WithoutMissingFiles(recent),
              (std::vector<std::string>{files[2], files[5], files[3], files[1]}));
    recent = WithCompetitionOpened(recent, files[0]);
    EXPECT_EQ(recent, (std::vector<std::string>{files[0], files[2], files[5], files[3], files[1]}));
}
