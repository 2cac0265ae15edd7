#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace {

const std::string kFiles = "'" TAVORIN_EXAMPLES_DIR "/SpringFestival.stu' '" TAVORIN_EXAMPLES_DIR
                           "/SpringFestival_Starlight_Ballroom.tvr'";

TEST(CliForms, PrintsTheStudiosFormsAndOnePersonsFormsAsTheFormsListShowsThem) {
    const CRun studio = RunCli("forms " + kFiles);
    ASSERT_EQ(studio.status, 0) << studio.err;
    EXPECT_EQ(studio.err, "");
    // Group forms first, then by couple, the professional lady of an amateur leading.
    EXPECT_EQ(studio.out,
              "Formation Team Match, Adult Teams, Open\n"
              "Medal Proficiency Evaluations, Youth*, Bronze Proficiency, with Jacob Miller and "
              "Laura Bennett\n"
              "Showcase - Show Dance Solo, Adult, Open, with David Park and Laura Bennett\n"
              "International Latin - Single Dances, Adult, Silver, with David Park and Sarah "
              "Collins\n"
              "International Standard Scholarship, Adult, Championship, with Michael Turner and "
              "Laura Bennett\n"
              "International Latin - Single Dances, Youth, Bronze, with Michael Turner and Emily "
              "Chen\n"
              "American Smooth - Single Dances, Adult, Bronze, with Michael Turner and Sarah "
              "Collins\n");

    const CRun emily = RunCli("forms " + kFiles + " 3");
    ASSERT_EQ(emily.status, 0) << emily.err;
    EXPECT_EQ(emily.out,
              "International Latin - Single Dances, Youth, Bronze, with Michael Turner\n");
}

TEST(CliForms, APersonWithoutFormsIsToldSoAndABadNumberIsAUsageError) {
    const CRun nobody = RunCli("forms " + kFiles + " 99");
    EXPECT_EQ(nobody.status, 0);
    EXPECT_EQ(nobody.out, "");
    EXPECT_EQ(nobody.err, "message: No entry forms found.\n");

    EXPECT_EQ(RunCli("forms " + kFiles + " 3x").status, 2);
}

}  // namespace
