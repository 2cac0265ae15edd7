// E-mailing the data file: the message the mail program is handed, and what the user is told
// for each of its answers, or when there is none to hand it to.
#include <gtest/gtest.h>

#include "delivery/DeliveryStudio.h"
#include "delivery/EmailStep.h"
#include "delivery/MakeDataFile.h"
#include "report/SummaryReport.h"
#include "support/ScriptedMailer.h"
#include "util/Files.h"

namespace {

class EmailStepTest : public ::testing::Test, public CDeliveryStudio {
protected:
    // Sends once, reviewing nothing; the one message the user was shown.
    std::string SendWith(CMailResult result) {
        mailer.sendResult = result;
        ui.ExpectQuestion(kReviewQuestion, false);
        const size_t before = ui.messages.size();
        EmailDataStep(db, mailer);
        EXPECT_EQ(ui.messages.size(), before + 1);
        return ui.messages.size() > before ? ui.messages.back() : std::string();
    }

    std::string WhereTheFilesAre() const {
        return "\n\nThe data file is: " + dataFile + "\nThe report file is: " + reportFile;
    }

    CScriptedMailer mailer;
};

TEST_F(EmailStepTest, TheOrganizerGetsTheDataFileWithTheReportInTheNote) {
    // The mail program runs while the window stays busy but alive, not frozen.
    int busyWhileSending = -1;
    mailer.onSend = [&] { busyWhileSending = ui.busyDepth; };
    EXPECT_EQ(SendWith({kMailSuccess, true}),
              "Your email program was accessed successfully.\nIf you clicked 'Send' the message "
              "was put in out box.");
    ASSERT_EQ(mailer.sent.size(), 1u);
    const CMailMessage& message = mailer.sent.front();
    EXPECT_EQ(message.subject, "Entries and purchases for Star Dance");
    std::string report;
    SummaryReport(db, 'T', report);
    EXPECT_EQ(message.noteText,
              "The attached text file contains entry and purchase data for studio:\n" + report);
    EXPECT_NE(report.find("Michael Turner, gentleman professional\r\n"), std::string::npos);
    EXPECT_EQ(message.recipients, (std::vector<std::string>{"org@example.org"}));
    EXPECT_EQ(message.attachments, (std::vector<std::string>{dataFile}));
    EXPECT_NE(ReadFileBytes(dataFile).find("|Turner|"), std::string::npos);
    EXPECT_EQ(mailer.loads, 1);
    EXPECT_EQ(mailer.unloads, 1);
    EXPECT_EQ(busyWhileSending, 1);
}

TEST_F(EmailStepTest, EachAnswerOfTheMailProgramHasItsMessage) {
    EXPECT_EQ(SendWith({kMailUserAbort, false}),
              "The user canceled one of the dialog boxes. No message was sent. ");
    EXPECT_EQ(SendWith({kMailFailure, false}),
              "One or more unspecified errors occurred. Possibly attached files not found. No "
              "message was sent. ");
    EXPECT_EQ(MailResultText(kMailFailure, false),
              "One or more unspecified errors occurred. No message was sent. ");
    EXPECT_EQ(SendWith({kMailAttachmentNotFound, false}),
              "The specified attachment was not found. No message was sent. ");
    EXPECT_EQ(SendWith({kMailTextTooLarge, false}),
              "The text in the message was too large. No message was sent. ");
    EXPECT_EQ(SendWith({99, false}), "The e-mail program reported error 99. No message was sent. ");
    EXPECT_FALSE(FileExists(reportFile)) << "the report file is written only to be sent by hand";
}

TEST_F(EmailStepTest, WithoutAMailProgramTheUserLearnsWhereTheFilesAre) {
    const std::string noProgram =
        "No e-mail program was found on this computer (Tavorin opens one through xdg-email, "
        "from the package xdg-utils), so no message was prepared.\nPlease e-mail the files to "
        "the organizer yourself, the data file ATTACHED to the message.\nThe organizer's e-mail "
        "address is org@example.org.";
    mailer.loadResult = kNoMailSystem;
    EXPECT_EQ(SendWith({kMailSuccess, true}), noProgram + WhereTheFilesAre());
    EXPECT_TRUE(mailer.sent.empty());
    EXPECT_NE(ReadFileBytes(reportFile).find("Michael Turner"), std::string::npos);

    // The mail command is there but finds nothing to open the message with.
    mailer.loadResult = kMailReady;
    EXPECT_EQ(SendWith({kMailNoProgram, false}), noProgram + WhereTheFilesAre());
}

TEST_F(EmailStepTest, AMailProgramThatMayDropTheAttachmentIsNoSuccess) {
    EXPECT_EQ(SendWith({kMailSuccess, false}),
              "Your e-mail program was opened with the message to the organizer, but it may not "
              "have taken the data file as an attachment.\nBefore you click 'Send', make sure "
              "that the data file is attached; if it is not, attach it by hand." +
                  WhereTheFilesAre());
}

TEST_F(EmailStepTest, NothingIsMailedWhenTheDataFileWasNotSaved) {
    db.studioArray.clear();
    EmailDataStep(db, mailer);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error - no studio"}));
    EXPECT_EQ(mailer.loads, 0);
}

}  // namespace
