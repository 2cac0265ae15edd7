#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace {

const std::string kSetup = "'" TAVORIN_EXAMPLES_DIR "/SpringFestival.stu'";
const std::string kData = "'" TAVORIN_EXAMPLES_DIR "/SpringFestival_Starlight_Ballroom.tvr'";

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The sample studio's report, checked by hand against the sample competition's fees, package
// rules (T, S, N) and prices.
TEST(CliReport, PrintsTheSampleStudiosSummaryReport) {
    const CRun run = RunCli("report " + kSetup + " " + kData);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("Starlight Ballroom\n\nPersons attending competition:\n\n"
                            "Michael Turner, gentleman professional (6 dance entries)\n",
                            0),
              0u);
    // A youth lady pro/am couple whose teacher has no hotel package pays the youth surcharge.
    EXPECT_TRUE(Has(run.out,
                    "\nEmily Chen/Michael Turner\n"
                    "    45.00 International Latin - Single Dances, Youth, Bronze, Cha Cha\n"
                    "    45.00 International Latin - Single Dances, Youth, Bronze, Rumba\n"
                    "Subtotal     90.00\n\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "\nApproximate subtotal for 11 dances,   1064.00\n"));
    EXPECT_TRUE(Has(run.out, "\n    18.00 Chen, Emily - Sunday Brunch at Caf\u00e9 Royal (1)\n"));
    EXPECT_TRUE(Has(run.out,
                    "\nApproximate total due: 2307.50, *The final amount due will be provided by "
                    "organizer invoice*\n\nRooming list:\n\n"
                    "Sharing room 1, Michael Turner**, David Park**\n"
                    "Sharing room 2, Sarah Collins, Grace Kim\n"
                    "** Person has not purchased a hotel room.\n"));
}

TEST(CliReport, AFileThatCannotBeLoadedIsReported) {
    const CRun run = RunCli("report " + kSetup + " /nonexistent/Studio.tvr");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "message: Studio data file /nonexistent/Studio.tvr not found.\n");
    EXPECT_EQ(RunCli("report " + kSetup).status, 2);
}

}  // namespace
