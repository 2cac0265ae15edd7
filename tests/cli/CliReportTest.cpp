#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace {

const std::string kSetup = "'" TAVORIN_EXAMPLES_DIR "/SpringFestival.stu'";
const std::string kData = "'" TAVORIN_EXAMPLES_DIR "/SpringFestival_Starlight_Ballroom.tvr'";

// The sample studio's report, checked by hand against the sample competition's fees, package
// rules (T, S, N) and prices.
TEST(CliReport, PrintsTheSampleStudiosSummaryReport) {
    const CRun run = RunCli("report " + kSetup + " " + kData);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Starlight Ballroom\n"
              "\n"
              "Persons attending competition:\n"
              "\n"
              "Michael Turner, gentleman professional (6 dance entries)\n"
              "Sarah Collins, adult lady amateur (3 dance entries)\n"
              "Emily Chen, youth lady amateur (2 dance entries)\n"
              "David Park, adult gentleman amateur (2 dance entries)\n"
              "Laura Bennett, lady professional (5 dance entries)\n"
              "Grace Kim, non-competitor\n"
              "Jacob Miller, youth gentleman amateur (2 dance entries)\n"
              "\n"
              "Dance entries:\n"
              "\n"
              "Studio\n"
              "   240.00 Formation Team Match, Adult Teams, Open, Starlight Stars\n"
              "Subtotal    240.00\n"
              "\n"
              "Emily Chen/Michael Turner\n"
              "    45.00 International Latin - Single Dances, Youth, Bronze, Cha Cha\n"
              "    45.00 International Latin - Single Dances, Youth, Bronze, Rumba\n"
              "Subtotal     90.00\n"
              "\n"
              "Sarah Collins/Michael Turner\n"
              "    58.00 American Smooth - Single Dances, Adult, Bronze, Waltz\n"
              "    58.00 American Smooth - Single Dances, Adult, Bronze, Tango\n"
              "Subtotal    116.00\n"
              "\n"
              "Jacob Miller/Laura Bennett\n"
              "    35.00 Medal Proficiency Evaluations, Youth*, Bronze Proficiency, Waltz\n"
              "    35.00 Medal Proficiency Evaluations, Youth*, Bronze Proficiency, Tango\n"
              "Subtotal     70.00\n"
              "\n"
              "David Park/Laura Bennett\n"
              "   110.00 Showcase - Show Dance Solo, Adult, Open, Moulin Rouge\n"
              "Subtotal    110.00\n"
              "\n"
              "David Park/Sarah Collins\n"
              "    58.00 International Latin - Single Dances, Adult, Silver, Jive\n"
              "Subtotal     58.00\n"
              "\n"
              "Michael Turner/Laura Bennett\n"
              "   190.00 International Standard Scholarship, Adult, Championship, Waltz\n"
              "   190.00 International Standard Scholarship, Adult, Championship, Quickstep\n"
              "Subtotal    380.00\n"
              "Approximate subtotal for 11 dances,   1064.00\n"
              "\n"
              "Other purchases:\n"
              "\n"
              "   499.00 Collins, Sarah - Full Weekend Package with Hotel - Double Room (1)\n"
              "   499.00 Kim, Grace - Full Weekend Package with Hotel - Double Room (1)\n"
              "   190.00 Turner, Michael - Saturday Evening Gala - Dinner and Show (2)\n"
              "    37.50 Studio - Souvenir Program Book (3)\n"
              "    18.00 Chen, Emily - Sunday Brunch at Caf\u00e9 Royal (1)\n"
              "\n"
              "Approximate total due: 2307.50, *The final amount due will be provided by "
              "organizer invoice*\n"
              "\n"
              "Rooming list:\n"
              "\n"
              "Sharing room 1, Michael Turner**, David Park**\n"
              "Sharing room 2, Sarah Collins, Grace Kim\n"
              "** Person has not purchased a hotel room.\n");
}

TEST(CliReport, AFileThatCannotBeLoadedIsReported) {
    const CRun run = RunCli("report " + kSetup + " /nonexistent/Studio.tvr");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "message: Studio data file /nonexistent/Studio.tvr not found.\n");
    EXPECT_EQ(RunCli("report " + kSetup).status, 2);
}

}  // namespace
