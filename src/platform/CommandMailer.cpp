#include "platform/CommandMailer.h"

#include <cerrno>
#include <cstdlib>

#include "platform/ProgramRun.h"
#include "util/CodePage.h"
#include "util/Text.h"

namespace {

constexpr const char* kCommandVariable = "TAVORIN_MAIL_COMMAND";

// Mail programs that take the file of an xdg-email "--attach". Others are handed a "mailto:"
// link, whose attachment most of them (web browsers among them) silently drop.
bool MailtoHandlerTakesAttachments() {
    // With MAILER set, xdg-email hands the link to that command instead.
    if (const char* mailer = std::getenv("MAILER"); mailer != nullptr && *mailer != '\0') {
        return false;
    }
    const std::string query = FindProgram("xdg-mime");
    if (query.empty()) {
        return false;
    }
    std::string handler;
    if (RunProgram(query, {"query", "default", "x-scheme-handler/mailto"}, &handler).exitStatus !=
        0) {
        return false;
    }
    handler = ToUpperAscii(handler);
    for (const char* known : {"THUNDERBIRD", "ICEDOVE", "EVOLUTION", "KMAIL"}) {
        if (handler.find(known) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

int CCommandMailer::LoadMailLibrary() {
    const char* named = std::getenv(kCommandVariable);
    namedByUser_ = named != nullptr && *named != '\0';
    command_ = FindProgram(namedByUser_ ? named : "xdg-email");
    return command_.empty() ? kNoMailSystem : kMailReady;
}

std::vector<std::string> CCommandMailer::MailArguments(const CMailMessage& message) {
    std::string body = message.noteText;
    // xdg-email ends every line it is given with CR LF itself.
    ReplaceAll(body, "\r\n", "\n", 1);
    std::vector<std::string> arguments{"--utf8", "--subject", Cp1252ToUtf8(message.subject),
                                       "--body", Cp1252ToUtf8(body)};
    for (const auto& path : message.attachments) {
        arguments.push_back("--attach");
        arguments.push_back(path);  // a path is the file system's own bytes
    }
    for (const auto& address : message.recipients) {
        arguments.push_back(Cp1252ToUtf8(address));
    }
    return arguments;
}

int CCommandMailer::CodeOfExitStatus(int status) {
    switch (status) {
        case 0:
            return kMailSuccess;
        case 2:  // an attached file does not exist
            return kMailAttachmentNotFound;
        case 3:  // no tool found to open the message with
            return kMailNoProgram;
        case 5:  // an attached file cannot be read
            return kMailAttachmentOpenFailure;
        default:
            return kMailFailure;
    }
}

CMailResult CCommandMailer::SendMail(const CMailMessage& message) {
    CMailResult result;
    if (command_.empty()) {
        result.code = kMailNoProgram;
        return result;
    }
    const CProgramRun run = RunProgram(command_, MailArguments(message));
    if (run.startError == E2BIG) {
        result.code = kMailTextTooLarge;
    } else if (run.startError != 0) {
        result.code = kMailNoProgram;
    } else {
        result.code = CodeOfExitStatus(run.exitStatus);
    }
    // A command of the user's own choosing is trusted with the attachment.
    result.attachmentsTaken =
        result.code == kMailSuccess && (namedByUser_ || MailtoHandlerTakesAttachments());
    return result;
}
