// The mail command as the desktop runs it, played by stand-in scripts that record what they are
// given and end with the status a test asks for.
#include "platform/CommandMailer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include "support/StudioFixtures.h"

namespace {

// Sets (or, with nullopt, removes) an environment variable for the life of the object.
class CEnvironment {
public:
    CEnvironment(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    ~CEnvironment() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class CommandMailerTest : public ::testing::Test {
protected:
    CommandMailerTest() {
        WriteFileBytes(attachment, "ST|Star Dance|\r\n");
        // The stand-in writes each argument followed by a NUL byte, then exits as it is told.
        Script("mail-standin",
               "printf '%s\\0' \"$@\" > \"$STANDIN_RECORD\"\nexit \"${STANDIN_EXIT:-0}\"\n");
    }

    void Script(const std::string& name, const std::string& body) {
        const std::string path = bin.File(name);
        WriteFileBytes(path, "#!/bin/sh\n" + body);
        chmod(path.c_str(), 0755);
    }

    std::vector<std::string> Recorded() const {
        std::vector<std::string> arguments;
        const std::string bytes = ReadFileBytes(record);
        for (size_t start = 0, end; (end = bytes.find('\0', start)) != std::string::npos;
             start = end + 1) {
            arguments.push_back(bytes.substr(start, end - start));
        }
        return arguments;
    }

    int SendWithExit(CCommandMailer& mailer, int status) {
        CEnvironment exitStatus("STANDIN_EXIT", std::to_string(status));
        return mailer.SendMail(message).code;
    }

    CTempDir bin;
    CTempDir files;
    std::string attachment = files.File("Spring_Star_Dance.tvr");
    std::string record = files.File("arguments");
    CEnvironment recordTo{"STANDIN_RECORD", record};
    CEnvironment noMailer{"MAILER", std::nullopt};
    CMailMessage message{"Entries and purchases for Caf\xE9 Dance",
                         "The attached text file contains entry and purchase data for "
                         "studio:\nCaf\xE9 Dance\r\n\r\nPersons attending competition:\r\n",
                         {"org@example.org"},
                         {attachment}};
};

TEST_F(CommandMailerTest, TheUsersCommandGetsTheWholeMessageAndItsStatusIsTheResult) {
    CEnvironment command("TAVORIN_MAIL_COMMAND", bin.File("mail-standin"));
    CCommandMailer mailer;
    ASSERT_EQ(mailer.LoadMailLibrary(), kMailReady);

    const CMailResult sent = mailer.SendMail(message);
    EXPECT_EQ(sent.code, kMailSuccess);
    EXPECT_TRUE(sent.attachmentsTaken);
    EXPECT_EQ(Recorded(),
              (std::vector<std::string>{"--utf8", "--subject",
                                        "Entries and purchases for Caf\xC3\xA9 Dance", "--body",
                                        "The attached text file contains entry and purchase data "
                                        "for studio:\nCaf\xC3\xA9 Dance\n\nPersons attending "
                                        "competition:\n",
                                        "--attach", attachment, "org@example.org"}));

    EXPECT_EQ(SendWithExit(mailer, 2), kMailAttachmentNotFound);
    EXPECT_EQ(SendWithExit(mailer, 3), kMailNoProgram);
    EXPECT_EQ(SendWithExit(mailer, 4), kMailFailure);
    EXPECT_EQ(SendWithExit(mailer, 1), kMailFailure);
    EXPECT_EQ(SendWithExit(mailer, 5), kMailAttachmentOpenFailure);

    // More text than one argument may carry.
    message.noteText.assign(300000, 'x');
    EXPECT_EQ(mailer.SendMail(message).code, kMailTextTooLarge);
}

TEST_F(CommandMailerTest, XdgEmailIsTrustedWithTheAttachmentOnlyWhenAMailProgramTakesMailto) {
    Script("xdg-email",
           "printf '%s\\0' \"$@\" > \"$STANDIN_RECORD\"\nexit \"${STANDIN_EXIT:-0}\"\n");
    Script("xdg-mime", "echo \"$STANDIN_HANDLER\"\n");
    CEnvironment path("PATH", bin.Path().string());
    CEnvironment noCommand("TAVORIN_MAIL_COMMAND", std::nullopt);
    CCommandMailer mailer;
    ASSERT_EQ(mailer.LoadMailLibrary(), kMailReady);
    {
        CEnvironment handler("STANDIN_HANDLER", "thunderbird.desktop");
        const CMailResult sent = mailer.SendMail(message);
        EXPECT_EQ(sent.code, kMailSuccess);
        EXPECT_TRUE(sent.attachmentsTaken);
        EXPECT_EQ(Recorded().back(), "org@example.org");
    }
    {
        // A web browser opens the link and drops the attachment.
        CEnvironment handler("STANDIN_HANDLER", "firefox-esr.desktop");
        EXPECT_FALSE(mailer.SendMail(message).attachmentsTaken);
    }
    {
        CEnvironment handler("STANDIN_HANDLER", "org.kde.kmail2.desktop");
        CEnvironment mailerVariable("MAILER", "sylpheed");
        EXPECT_FALSE(mailer.SendMail(message).attachmentsTaken) << "MAILER takes the link";
    }
}

TEST_F(CommandMailerTest, NoMailCommandMeansNoMailSystem) {
    CEnvironment path("PATH", bin.Path().string());  // no xdg-email in it
    CEnvironment noCommand("TAVORIN_MAIL_COMMAND", std::nullopt);
    CCommandMailer mailer;
    EXPECT_EQ(mailer.LoadMailLibrary(), kNoMailSystem);
    EXPECT_EQ(mailer.SendMail(message).code, kMailNoProgram);

    CEnvironment missing("TAVORIN_MAIL_COMMAND", bin.File("no-such-mailer"));
    EXPECT_EQ(mailer.LoadMailLibrary(), kNoMailSystem);
}

}  // namespace
