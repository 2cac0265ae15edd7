#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "formats/DataFileLock.h"
#include "support/CliRun.h"
#include "support/StudioFixtures.h"
#include "util/SystemPath.h"

namespace {

const std::string kSetup = TAVORIN_EXAMPLES_DIR "/SpringFestival.stu";
const std::string kStudio = TAVORIN_EXAMPLES_DIR "/SpringFestival_Starlight_Ballroom.tvr";

TEST(CliStudio, ExportsTheSampleStudioWithTheCompetition) {
    const CRun run = RunCli("export '" + kSetup + "' '" + kStudio + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["competitionName"], "Spring Dance Festival 2025");
    EXPECT_EQ(json["dataFileName"], kStudio);

    ASSERT_EQ(json["studios"].size(), 1u);
    const auto& studio = json["studios"][0];
    EXPECT_EQ(studio["name"], "Starlight Ballroom");
    EXPECT_EQ(studio["kind"], "M");
    EXPECT_EQ(studio["created"], "2.17.2025.10.30.0");
    EXPECT_EQ(studio["comments"][0],
              (nlohmann::json{
                  {"first", 1}, {"second", 1}, {"text", "Invoice to the studio office, please"}}));

    const auto& persons = json["persons"];
    ASSERT_EQ(persons.size(), 7u);
    EXPECT_EQ(persons[2]["firstName"], "Emily");
    EXPECT_EQ(persons[2]["gender"], "F");
    EXPECT_EQ(persons[2]["youth"], 1);
    EXPECT_EQ(persons[0]["noteToMC"], "TUR-ner");
    EXPECT_EQ(persons[0]["roommateGroup"], 2);
    EXPECT_EQ(persons[2]["roommateGroup"], -1);
    // The chaperone is a non-competitor; her fields stay in place.
    EXPECT_EQ(persons[5]["class"], "");
    EXPECT_EQ(persons[5]["lastName"], "Kim");
    EXPECT_EQ(persons[5]["comments"][0]["text"], "Chaperone for the youth dancers");

    const auto& purchases = json["purchases"];
    ASSERT_EQ(purchases.size(), 5u);
    EXPECT_EQ(purchases[3]["purchaserNumber"], -1);
    EXPECT_EQ(purchases[3]["price"], 12.5);
    EXPECT_EQ(purchases[4]["itemName"], "Sunday Brunch at Caf\u00e9 Royal");

    const auto& entries = json["entries"];
    ASSERT_EQ(entries.size(), 11u);
    EXPECT_EQ(entries[0]["formCode"], entries[1]["formCode"]);
    EXPECT_EQ(entries[4]["coach"], 5);
    EXPECT_EQ(entries[10]["dancers"], (nlohmann::json{2, 4, 3, 7}));
    EXPECT_EQ(entries[10]["teamName"], "Starlight Stars");
    EXPECT_EQ(entries[8]["style"], "P");  // a proficiency level
    EXPECT_EQ(entries[10]["entryMark"], "G");
}

TEST(CliStudio, RewritingTheSampleGivesTheSameBytes) {
    CTempDir dir;
    const CRun run =
        RunCli("rewrite '" + kSetup + "' '" + kStudio + "' '" + dir.File("out.tvr") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFileBytes(dir.File("out.tvr")), ReadFileBytes(kStudio));
}

TEST(CliStudio, AFolderWithLettersBeyondAsciiIsReadAndWritten) {
    CTempDir dir;
    const std::string folder = dir.File("T\xC3\xA4nze");  // "Tänze" in UTF-8
    std::filesystem::create_directory(SystemPath(folder));
    const std::string setup = folder + "/SpringFestival.stu";
    const std::string studio = folder + "/SpringFestival_Starlight_Ballroom.tvr";
    WriteFileBytes(setup, ReadFileBytes(kSetup));
    WriteFileBytes(studio, ReadFileBytes(kStudio));
    const CRun run = RunCli("rewrite '" + setup + "' '" + studio + "' '" + folder + "/out.tvr'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFileBytes(folder + "/out.tvr"), ReadFileBytes(kStudio));
    EXPECT_TRUE(std::filesystem::exists(SystemPath(folder + "/out.tvr")));
}

TEST(CliStudio, FilesThatCannotBeReadOrWrittenExitWithOne) {
    CTempDir dir;
    const CRun missing = RunCli("export '" + kSetup + "' '" + dir.File("none.tvr") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "message: Studio data file " + dir.File("none.tvr") + " not found.\n");
    EXPECT_EQ(missing.out, "");

    const std::string out = dir.File("gone/out.tvr");
    const CRun unwritable = RunCli("rewrite '" + kSetup + "' '" + kStudio + "' '" + out + "'");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("message: Error - the data file " + out + " could not be saved"),
              std::string::npos);

    // A data file without a studio line has nothing to write.
    WriteFileBytes(dir.File("empty.tvr"), "");
    const CRun empty = RunCli("rewrite '" + kSetup + "' '" + dir.File("empty.tvr") + "' '" +
                              dir.File("out.tvr") + "'");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "message: Error - no studio\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.tvr")));

    EXPECT_EQ(RunCli("rewrite '" + kSetup + "' '" + kStudio + "'").status, 2);
}

TEST(CliStudio, AFolderNamedInTheOldCodePageIsExportedAsText) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows names files in Unicode: no name holds a byte that is not UTF-8";
#endif
    // A folder named on an older system in its code page: "Caf\u00e9" with the single byte E9,
    // which is not UTF-8.
    CTempDir dir;
    const std::filesystem::path folder = dir.Path() / "Caf\xe9";
    std::filesystem::create_directory(folder);
    const std::string setup = (folder / "SpringFestival.stu").string();
    const std::string studio = (folder / "SpringFestival_Starlight_Ballroom.tvr").string();
    std::filesystem::copy_file(kSetup, setup);
    std::filesystem::copy_file(kStudio, studio);

    const CRun run = RunCli("export '" + setup + "' '" + studio + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["dataFileName"], dir.File("Caf\u00e9/SpringFestival_Starlight_Ballroom.tvr"));
    EXPECT_EQ(json["persons"].size(), 7u);
}

}  // namespace

// A rewrite over the studio a Tavorin has open would be undone by the program's next save (or
// undo the program's work): it is refused while the lock is held, and done once it is free.
TEST(CliStudio, RewriteRefusesAStudioFileThatATavorinHasOpen) {
    CTempDir dir;
    const std::string open = dir.File("SpringFestival_Open.tvr");
    const std::string openBytes = "ST|Open Studio||||||||||M|R|0|3.1.2025.9.0.0|\r\n";
    WriteFileBytes(open, openBytes);
    {
        std::string holder;
        const auto lock = CDataFileLock::Take(open, holder);
        ASSERT_NE(lock, nullptr);
        const CRun refused = RunCli("rewrite '" + kSetup + "' '" + kStudio + "' '" + open + "'");
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("is open in another Tavorin"), std::string::npos) << refused.err;
        EXPECT_EQ(ReadFileBytes(open), openBytes);
    }
    const CRun run = RunCli("rewrite '" + kSetup + "' '" + kStudio + "' '" + open + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(open), ReadFileBytes(kStudio));
    EXPECT_FALSE(std::filesystem::exists(CDataFileLock::LockPathFor(open)));
}
