// The statements on the command line: as text, and as CSV that a spreadsheet reads.
#include <gtest/gtest.h>

#include "support/CliRun.h"
#include "support/StudioFixtures.h"
#include "util/Text.h"

namespace {

const std::string kSetup = TAVORIN_EXAMPLES_DIR "/SpringFestival.stu";
const std::string kStudio = TAVORIN_EXAMPLES_DIR "/SpringFestival_Starlight_Ballroom.tvr";

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The sample studio with Grace Kim called Grace "Gigi": a quote inside a quoted name.
TEST(CliStatements, PrintsTheSampleStudiosStatementsAsTextAndAsCsv) {
    CTempDir dir;
    std::string bytes = ReadFileBytes(kStudio);
    ReplaceAll(bytes, "|Grace|Kim|", "|Grace \"Gigi\"|Kim|", 1);
    const std::string studio = dir.File("Studio.tvr");
    WriteFileBytes(studio, bytes);

    const CRun text = RunCli("statements '" + kSetup + "' '" + studio + "'");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out.rfind("Starlight Ballroom\nStatement for Turner, Michael, gentleman "
                             "professional\n\n",
                             0),
              0u);
    EXPECT_TRUE(Has(text.out,
                    "\n    18.00 Sunday Brunch at Caf\u00e9 Royal (1)\nTotal       "
                    "108.00\n"))
        << text.out;
    EXPECT_TRUE(Has(text.out,
                    "\nTotal of all statements: 2307.50\n"
                    "Check: equal to the summary report's approximate total due, 2307.50.\n"));

    const CRun csv = RunCli("statements '" + kSetup + "' '" + studio + "' --csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n1,", 30)),
              "person,name,item,amount\r\n"
              "1,\"Turner, Michael\",\"Michael Turner/Laura Bennett: International Standard "
              "Scholarship, Adult, Championship, Waltz (half)\",95.00");
    EXPECT_TRUE(
        Has(csv.out, "\r\n3,\"Chen, Emily\",Sunday Brunch at Caf\u00e9 Royal (1),18.00\r\n"));
    EXPECT_TRUE(Has(csv.out,
                    "\r\n6,\"Kim, Grace \"\"Gigi\"\"\",Full Weekend Package with Hotel - "
                    "Double Room (1),499.00\r\n"))
        << csv.out;
    EXPECT_TRUE(Has(csv.out, "\r\n,Studio,Souvenir Program Book (3),37.50\r\n"));

    EXPECT_EQ(RunCli("statements '" + kSetup + "' '" + studio + "' extra").status, 2);
}

}  // namespace
