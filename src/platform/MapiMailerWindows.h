#pragma once
// The mail port on Windows: Simple MAPI, whose MAPISendMail opens the send window of the mail
// program that the user has made the system's default. MAPI32.DLL is loaded only when mail is
// sent, so that a computer without a mail system runs the program all the same.
#include <string>

#include "platform/Mailer.h"

class CMapiMailer : public CMailer {
public:
    // `library` other than the system's MAPI32.DLL (a stand-in of the tests) is taken as it is,
    // without asking the system's mail settings first.
    explicit CMapiMailer(std::string library = "MAPI32.DLL");
    ~CMapiMailer() override;
    CMapiMailer(const CMapiMailer&) = delete;
    CMapiMailer& operator=(const CMapiMailer&) = delete;

    // kNoMailSystem when the mail settings say there is none or the library is not there;
    // kMailLibraryIncomplete when it lacks one of MAPILogon, MAPISendMail and MAPILogoff.
    int LoadMailLibrary() override;
    // kMailNoProgram when no mail program lets the program log on or takes the message.
    CMailResult SendMail(const CMailMessage& message) override;
    void UnloadMailLibrary() override;
    std::string MailSystemName() const override;

private:
    std::string library_;
    void* module_ = nullptr;
    void* logon_ = nullptr;
    void* send_ = nullptr;
    void* logoff_ = nullptr;
};
