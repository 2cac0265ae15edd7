// Making the data file: saved once more, a look at the report on request, then the instruction
// page that names both files.
#include <gtest/gtest.h>

#include <algorithm>

#include "delivery/DeliveryStudio.h"
#include "delivery/MakeDataFile.h"
#include "report/ReportWindow.h"
#include "util/Files.h"

namespace {

class MakeDataFileTest : public ::testing::Test, public CDeliveryStudio {};

TEST_F(MakeDataFileTest, TheInstructionsNameBothFilesWhetherOrNotTheUserReviewsFirst) {
    CStringList shown;
    ui.ExpectQuestion(kReviewQuestion, false).ExpectDialog<CReportWindow>([&](CReportWindow& w) {
        EXPECT_EQ(w.Caption(), "Instructions");
        // The window offers the folder with both files.
        EXPECT_EQ(w.OfferedFolder(), dir.Path().string());
        shown = w.Lines();
        return IDOK;
    });
    MakeDataFileStep(db);

    // No to the review goes straight on to the instructions.
    EXPECT_EQ(ui.log, (std::vector<std::string>{"question: " + std::string(kReviewQuestion),
                                                "dialog: 130"}));
    ASSERT_EQ(shown.size(), 9u);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), ""), 3);
    EXPECT_EQ(shown[1], "");
    EXPECT_EQ(shown[2], "The data file is: " + dataFile);
    EXPECT_EQ(shown[5], "The report file is: " + reportFile);
    EXPECT_EQ(shown[8].substr(0, 27), "If you don't know how to se");
    EXPECT_NE(ReadFileBytes(dataFile).find("|Turner|"), std::string::npos);
    EXPECT_NE(ReadFileBytes(reportFile).find("Michael Turner, gentleman professional\r\n"),
              std::string::npos);

    // Yes shows the summary report before the instructions.
    std::vector<std::string> captions;
    auto caption = [&](CReportWindow& w) {
        captions.push_back(w.Caption());
        return IDOK;
    };
    ui.ExpectQuestion(kReviewQuestion, true)
        .ExpectDialog<CReportWindow>(caption)
        .ExpectDialog<CReportWindow>(caption);
    MakeDataFileStep(db);
    EXPECT_EQ(captions, (std::vector<std::string>{"Summary report", "Instructions"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MakeDataFileTest, AnOldCopyOfTheDataFileIsNoSuccessWhenTheSaveFailed) {
    WriteFileBytes(dataFile, "ST|Star Dance|old|\r\n");
    db.studioArray.clear();  // the writer refuses a store without studio
    EXPECT_EQ(SaveAndReview(db), 0);
    MakeDataFileStep(db);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error - no studio", "Error - no studio"}));
    EXPECT_EQ(ReadFileBytes(dataFile), "ST|Star Dance|old|\r\n");
    EXPECT_FALSE(FileExists(reportFile));
}

TEST_F(MakeDataFileTest, AReportThatCannotBeWrittenIsNotOfferedInTheInstructions) {
    std::filesystem::create_directory(reportFile);  // something that is no file holds its name
    ui.ExpectQuestion(kReviewQuestion, false);
    MakeDataFileStep(db);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"The summary report could not be written to " +
                                                     reportFile + "."}));
}

}  // namespace
