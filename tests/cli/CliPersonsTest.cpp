// The roster on the command line: a studio's persons as CSV, and an import into a studio file.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/DataFileLock.h"
#include "support/CliRun.h"
#include "support/StudioFixtures.h"

namespace {

const std::string kSetup = TAVORIN_EXAMPLES_DIR "/SpringFestival.stu";
const std::string kStudio = TAVORIN_EXAMPLES_DIR "/SpringFestival_Starlight_Ballroom.tvr";

TEST(CliPersons, ListsTheSampleStudiosRosterAsCsv) {
    const CRun run = RunCli("persons '" + kSetup + "' '" + kStudio + "' --csv");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, run.out.find("Park")),
              "Last name,First name,Type,Nick name,Note to MC,Member #,SS #\r\n"
              "Turner,Michael,Gentleman professional,Mike,TUR-ner,P-1187,\r\n"
              "Collins,Sarah,\"Lady amateur, adult\",,,A-20455,\r\n"
              "Chen,Emily,\"Lady amateur, youth\",Em,,Y-3310,\r\n");
    const CRun plain = RunCli("persons '" + kSetup + "' '" + kStudio + "'");
    EXPECT_EQ(plain.out.substr(0, plain.out.find('\n')), "Turner, Michael [1]");
}

TEST(CliPersons, ImportsIntoAStudioFileUnlessATavorinHasItOpen) {
    CTempDir dir;
    const std::string studio = dir.File("SpringFestival_New.tvr");
    WriteFileBytes(studio, "ST|New Studio||||||||||M|R|0|3.1.2025.9.0.0|\r\n");
    const std::string roster = dir.File("roster.csv");
    WriteFileBytes(roster, "Last name,Type\r\nLee,Lady professional\r\nRay,Golfer\r\n");

    {
        std::string holder;
        const auto lock = CDataFileLock::Take(studio, holder);
        ASSERT_NE(lock, nullptr);
        const CRun refused = RunCli("import '" + kSetup + "' '" + studio + "' '" + roster + "'");
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("is open in another Tavorin"), std::string::npos) << refused.err;
        EXPECT_EQ(ReadFileBytes(studio), "ST|New Studio||||||||||M|R|0|3.1.2025.9.0.0|\r\n");
    }

    // A refused line makes the import exit with 3, after the whole summary.
    const CRun run = RunCli("import '" + kSetup + "' '" + studio + "' '" + roster + "'");
    ASSERT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out.rfind("Persons from roster.csv:\n1 person added.\n"
                            "2 lines read: 1 added, 0 already in the studio, 1 not imported.\n\n"
                            "The \"Type\" column takes one of these: \"Gentleman professional\", ",
                            0),
              0u)
        << run.out;
    EXPECT_NE(run.out.find("\n\nLines not imported:\nLine 3: unknown type \"Golfer\".\n"),
              std::string::npos);
    const CRun fromSample = RunCli("import '" + kSetup + "' '" + studio + "' '" + kStudio + "'");
    ASSERT_EQ(fromSample.status, 0) << fromSample.err;
    EXPECT_EQ(fromSample.out,
              "Persons from SpringFestival_Starlight_Ballroom.tvr:\n7 persons added.\n");
    const std::string written = ReadFileBytes(studio);
    EXPECT_NE(written.find("PR|F2|P||Lee|||||R4294967295|0|"), std::string::npos) << written;
    EXPECT_NE(written.find("CM|1|1|Vegetarian meal|PR|F2|A|Sarah|Collins|"), std::string::npos);
    EXPECT_EQ(written.find("EN|"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(CDataFileLock::LockPathFor(studio)));

    const CRun missing =
        RunCli("import '" + kSetup + "' '" + studio + "' '" + dir.File("x.csv") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(ReadFileBytes(studio), written);
}

}  // namespace
