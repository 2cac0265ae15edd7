#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/CliRun.h"
#include "support/StudioFixtures.h"

namespace {

TEST(CliExport, PrintsTheSampleCompetitionAsJson) {
    const CRun run = RunCli("export '" TAVORIN_EXAMPLES_DIR "/SpringFestival.stu'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["competitionName"], "Spring Dance Festival 2025");
    EXPECT_EQ(json["fieldSeparator"], "|");
    EXPECT_EQ(json["proAmPackageRule"], "T");
    EXPECT_EQ(json["showDancePrices"], 1);

    const auto& smooth = json["categories"][0];
    EXPECT_EQ(smooth["code"], 101);
    EXPECT_EQ(smooth["kind"], "C");
    EXPECT_EQ(smooth["proAmTogether"], "V");
    EXPECT_EQ(smooth["allowAdultProAm"], true);
    EXPECT_EQ(smooth["allowProfessional"], false);
    EXPECT_EQ(smooth["adultFee"], 38.0);
    EXPECT_EQ(smooth["dances"][3]["name"], "Viennese Waltz");
    EXPECT_EQ(smooth["ages"][0],
              (nlohmann::json{{"code", 1}, {"name", "Junior"}, {"range", "12-15"}, {"youth", 1}}));
    EXPECT_EQ(smooth["optionBytes"], (nlohmann::json{1, 0, 0, 0, 0, 1}));

    const auto& rhythm = json["categories"][2];
    EXPECT_EQ(rhythm["styleNumber"], 1);
    EXPECT_EQ(rhythm["unitCountList"], (nlohmann::json{2, 3, 4}));

    const auto& brunch = json["priceList"][9];
    EXPECT_EQ(brunch["name"], "Sunday Brunch at Caf\u00e9 Royal");  // Windows-1252 in the file
    EXPECT_EQ(brunch["date"], "4.27.2025.11.0.0");
    EXPECT_EQ(brunch["extraLetter"], "");
    EXPECT_EQ(json["priceList"][7]["prices"][0], 12.5);
    EXPECT_EQ(json["priceList"][8]["hidden"], 1);
    EXPECT_EQ(json["priceList"][2]["kindNumber"], 1);

    const auto& package = json["packages"][0];
    EXPECT_EQ(package["coversEntries"], 1);
    EXPECT_EQ(package["switchDate"], "3.15.2025.12.0.0");
    EXPECT_EQ(package["itemNumbers"], (nlohmann::json{1, 2, 3, 4, 6, 8}));
    EXPECT_EQ(package["extraValues"].size(), 3u);
}

TEST(CliExport, ReportsFilesItCannotLoad) {
    CTempDir dir;
    const CRun missing = RunCli("export '" + dir.File("Nowhere.stu") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "message: Setup data file " + dir.File("Nowhere.stu") + " not found.\n");
    EXPECT_EQ(missing.out, "");

    WriteFileBytes(dir.File("Broken.stu"), "STU|1|Broken|a@b.org|N|T|S\r\n");
    const CRun broken = RunCli("--yes export '" + dir.File("Broken.stu") + "'");
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.err,
              "message: File " + dir.File("Broken.stu") + " is not valid entry form setup file.\n");
}

TEST(CliExport, WrongUsageExitsWithTwo) {
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("export").status, 2);
    EXPECT_EQ(RunCli("frobnicate x.stu").status, 2);
    EXPECT_EQ(RunCli("--colour export x.stu").status, 2);
    const CRun help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("tavorin-cli [--yes] export SETUP.stu"), std::string::npos);
}

}  // namespace
