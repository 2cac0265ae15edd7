#pragma once
// The mail port: hands one message to the user's own mail program, which shows it for the user
// to send. The program never sends mail itself. The result codes are those the mail interface of
// the studios' old systems reported, so that each keeps its message to the user.
#include <memory>
#include <string>
#include <vector>

// LoadMailLibrary's results.
constexpr int kMailReady = 0;
constexpr int kNoMailSystem = 2;
constexpr int kMailLibraryIncomplete = 4;

// SendMail's result codes.
constexpr int kMailSuccess = 0;
constexpr int kMailUserAbort = 1;
constexpr int kMailFailure = 2;
constexpr int kMailLoginFailure = 3;
constexpr int kMailInsufficientMemory = 5;
constexpr int kMailTooManyFiles = 9;
constexpr int kMailTooManyRecipients = 10;
constexpr int kMailAttachmentNotFound = 11;
constexpr int kMailAttachmentOpenFailure = 12;
constexpr int kMailUnknownRecipient = 14;
constexpr int kMailBadRecipientType = 15;
constexpr int kMailTextTooLarge = 18;
constexpr int kMailAmbiguousRecipient = 21;
constexpr int kMailInvalidRecipients = 25;
// Not one of the old codes: the mail command exists but found no mail program to open.
constexpr int kMailNoProgram = -1;

struct CMailMessage {
    std::string subject;
    std::string noteText;
    std::vector<std::string> recipients;   // addresses, each a "To" recipient
    std::vector<std::string> attachments;  // file paths
};

struct CMailResult {
    int code = kMailFailure;
    // Whether the mail program is known to take attachments. Some open a bare "mailto:" link
    // (a web browser, say) and drop them without a word.
    bool attachmentsTaken = false;
};

class CMailer {
public:
    virtual ~CMailer() = default;
    // Whether there is a mail program to talk to: kMailReady, kNoMailSystem or
    // kMailLibraryIncomplete.
    virtual int LoadMailLibrary() = 0;
    // Opens the mail program's send window with `message`; returns once the program has it.
    virtual CMailResult SendMail(const CMailMessage& message) = 0;
    virtual void UnloadMailLibrary() = 0;
    // How the program reaches a mail program here, for the user who has none: "xdg-email, from
    // the package xdg-utils".
    virtual std::string MailSystemName() const = 0;
};

// The mail port of this system: TAVORIN_MAIL_COMMAND when it is set, else the system's own way.
std::unique_ptr<CMailer> MakeSystemMailer();
