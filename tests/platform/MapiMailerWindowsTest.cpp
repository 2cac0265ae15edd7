// The Simple MAPI mailer against a stand-in MAPI32.DLL: what reaches MAPISendMail, and what each
// answer of the mail system means; and the system's own mail settings under the mail step.
#include <gtest/gtest.h>

#include <string>

#include "delivery/DeliveryStudio.h"
#include "delivery/EmailStep.h"
#include "delivery/MakeDataFile.h"
#include "platform/MapiMailerWindows.h"
// Last: its IDOK and IDCANCEL macros would rename the dialog results above.
#include <windows.h>

namespace {

constexpr const char* kStandIn = "tavorin_standin_mapi.dll";

class MapiMailerTest : public ::testing::Test {
protected:
    ~MapiMailerTest() override { setenv("TAVORIN_STANDIN_MAPI", "", 1); }

    // The stand-in's record of the last logon, send and logoff.
    std::string LastCall() const {
        using Reader = const char* (*)();
        HMODULE module = ::GetModuleHandleA(kStandIn);
        return module == nullptr ? "(not loaded)"
                                 : reinterpret_cast<Reader>(reinterpret_cast<void*>(
                                       ::GetProcAddress(module, "StandInLastCall")))();
    }

    CMapiMailer mailer{kStandIn};
};

TEST_F(MapiMailerTest, TheMessageReachesMapiAsTheMailProgramWantsIt) {
    ASSERT_EQ(mailer.LoadMailLibrary(), kMailReady);
    CMailMessage message;
    message.subject = "Entries and purchases for Caf\xe9 Tanz";  // the code page's letters
    message.noteText = "The attached text file contains entry and purchase data for studio:\r\nX";
    message.recipients = {"org@example.org"};
    message.attachments = {"C:\\Studios\\Spring_Cafe.tvr"};
    const CMailResult result = mailer.SendMail(message);
    EXPECT_EQ(result.code, kMailSuccess);
    EXPECT_TRUE(result.attachmentsTaken);
    // A new session, the send window shown (MAPI_DIALOG), one "To" recipient by name only, the
    // attachment outside the text; then the session is closed.
    EXPECT_EQ(LastCall(),
              "logon 2;send 7 flags 8;subject Entries and purchases for Caf\xe9 Tanz;"
              "note The attached text file contains entry and purchase data for studio:\r\nX;"
              "to org@example.org class 1;"
              "file C:\\Studios\\Spring_Cafe.tvr named C:\\Studios\\Spring_Cafe.tvr at -1;"
              "logoff 7;");

    setenv("TAVORIN_STANDIN_MAPI", "1", 1);  // the user closed the send window
    EXPECT_EQ(mailer.SendMail(message).code, kMailUserAbort);
    setenv("TAVORIN_STANDIN_MAPI", "11", 1);
    EXPECT_EQ(mailer.SendMail(message).code, kMailAttachmentNotFound);
    EXPECT_FALSE(mailer.SendMail(message).attachmentsTaken);
    // Wine's and Windows' own MAPI32.DLL without a mail program behind it.
    setenv("TAVORIN_STANDIN_MAPI", "26", 1);
    EXPECT_EQ(mailer.SendMail(message).code, kMailNoProgram);
    setenv("TAVORIN_STANDIN_MAPI", "logon fails", 1);
    EXPECT_EQ(mailer.SendMail(message).code, kMailNoProgram);
    mailer.UnloadMailLibrary();
    EXPECT_EQ(mailer.SendMail(message).code, kMailNoProgram);
}

TEST(MapiMailer, ALibraryThatIsMissingOrIsNoMailLibraryIsNoMailSystem) {
    EXPECT_EQ(CMapiMailer("tavorin_no_such_mapi.dll").LoadMailLibrary(), kNoMailSystem);
    EXPECT_EQ(CMapiMailer("kernel32.dll").LoadMailLibrary(), kMailLibraryIncomplete);
}

// The user story on a computer whose mail settings say there is no mail system: the data file
// is written, and the user is told to send it by hand, and where it is.
TEST(MapiMailer, WithoutAMailSystemTheUserIsToldToSendTheFilesByHand) {
    wchar_t kept[16] = L"";
    const DWORD had = ::GetProfileStringW(L"MAIL", L"MAPI", L"", kept, 16);
    ASSERT_TRUE(::WriteProfileStringW(L"MAIL", L"MAPI", L"0"));
    CDeliveryStudio studio;
    CMapiMailer mailer;
    EXPECT_EQ(mailer.LoadMailLibrary(), kNoMailSystem);
    studio.ui.ExpectQuestion(kReviewQuestion, false);
    EmailDataStep(studio.db, mailer);
    EXPECT_EQ(studio.ui.messages,
              std::vector<std::string>{
                  "No e-mail program was found on this computer (Tavorin opens one through the "
                  "Windows mail interface Simple MAPI, which a mail program such as Outlook or "
                  "Thunderbird provides when it is set as the default mail program), so no "
                  "message was prepared.\nPlease e-mail the files to the organizer yourself, the "
                  "data file ATTACHED to the message.\nThe organizer's e-mail address is "
                  "org@example.org.\n\nThe data file is: " +
                  studio.dataFile + "\nThe report file is: " + studio.reportFile});
    ::WriteProfileStringW(L"MAIL", L"MAPI", had > 0 ? kept : nullptr);
}

}  // namespace
