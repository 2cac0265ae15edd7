#include "delivery/EmailStep.h"

#include <map>

#include "data/Database.h"
#include "delivery/MakeDataFile.h"
#include "platform/Ui.h"
#include "report/SummaryReport.h"
#include "util/Text.h"

namespace {

std::string NoMailProgramText(const CDatabase& store, const CMailer& mailer) {
    std::string text = FormatText(
        "No e-mail program was found on this computer (Tavorin opens one through %s), so no "
        "message was prepared.\nPlease e-mail the files to the organizer yourself, the data file "
        "ATTACHED to the message.",
        {mailer.MailSystemName()});
    // Sent by hand, the message needs the organizer's address as much as the files.
    if (!store.organizerAddress.empty()) {
        text += FormatText("\nThe organizer's e-mail address is %s.", {store.organizerAddress});
    }
    return text;
}
constexpr const char* kAttachmentNotTaken =
    "Your e-mail program was opened with the message to the organizer, but it may not have "
    "taken the data file as an attachment.\nBefore you click 'Send', make sure that the data "
    "file is attached; if it is not, attach it by hand.";

// `introduction`, then where the data file and the report file are, for a user who has to attach
// them by hand.
void TellWhereTheFilesAre(CDatabase& store, const std::string& introduction) {
    std::string text =
        introduction + "\n\n" + FormatText("The data file is: %s", {store.dataFileName});
    std::string reportFile;
    if (WriteSummaryReportFile(store, reportFile)) {
        text += '\n';
        text += FormatText("The report file is: %s", {reportFile});
    }
    store.ui.ShowMessage(text);
}

}  // namespace

CMailMessage OrganizerMessage(CDatabase& store, const std::string& reportText) {
    CMailMessage message;
    const std::string studio = store.studioArray.empty() ? "" : store.studioArray.front()->name;
    message.subject = FormatText("Entries and purchases for %s", {studio});
    message.noteText = FormatText(
        "The attached text file contains entry and purchase data for studio:\n%s", {reportText});
    if (!store.organizerAddress.empty()) {
        message.recipients.push_back(store.organizerAddress);
    }
    message.attachments.push_back(store.dataFileName);
    return message;
}

std::string MailResultText(int code, bool withAttachments) {
    static const std::map<int, std::string> kTexts = {
        {kMailSuccess,
         "Your email program was accessed successfully.\nIf you clicked 'Send' the message was "
         "put in out box."},
        {kMailUserAbort, "The user canceled one of the dialog boxes. No message was sent. "},
        {kMailLoginFailure,
         "There was no default logon, and the user failed to log on successfully when the logon "
         "dialog box was displayed. No message was sent. "},
        {kMailInsufficientMemory,
         "There was insufficient memory to proceed. No message was sent. "},
        {kMailTooManyFiles, "There were too many file attachments. No message was sent. "},
        {kMailTooManyRecipients, "There were too many recipients. No message was sent. "},
        {kMailAttachmentNotFound, "The specified attachment was not found. No message was sent. "},
        {kMailAttachmentOpenFailure,
         "The specified attachment could not be opened. No message was sent. "},
        {kMailUnknownRecipient,
         "A recipient did not appear in the address list. No message was sent."},
        {kMailBadRecipientType,
         "The type of a recipient was not MAPI_TO, MAPI_CC, or MAPI_BCC. No message was sent."},
        {kMailTextTooLarge, "The text in the message was too large. No message was sent. "},
        {kMailAmbiguousRecipient,
         "A recipient matched more than one of the recipient descriptor structures and "
         "MAPI_DIALOG was not set. No message was sent."},
        {kMailInvalidRecipients,
         "One or more recipients were invalid or did not resolve to any address."},
    };
    if (code == kMailFailure) {
        return withAttachments ? "One or more unspecified errors occurred. Possibly attached "
                                 "files not found. No message was sent. "
                               : "One or more unspecified errors occurred. No message was sent. ";
    }
    const auto text = kTexts.find(code);
    return text != kTexts.end() ? text->second : std::string();
}

int SendMailWithDialog(CDatabase& store, CMailer& mailer, const CMailMessage& message) {
    // The mail program may take its time to come up; the window must not freeze meanwhile.
    CMailResult result;
    store.ui.RunBusy("Handing the message to your e-mail program...",
                     [&] { result = mailer.SendMail(message); });
    const bool withAttachments = !message.attachments.empty();
    if (result.code == kMailNoProgram) {
        TellWhereTheFilesAre(store, NoMailProgramText(store, mailer));
    } else if (result.code == kMailSuccess && withAttachments && !result.attachmentsTaken) {
        TellWhereTheFilesAre(store, kAttachmentNotTaken);
    } else if (const std::string text = MailResultText(result.code, withAttachments);
               !text.empty()) {
        store.ui.ShowMessage(text);
    } else {
        // A code we do not know is still no success: the user must not take silence for one.
        store.ui.ShowMessage(
            FormatText("The e-mail program reported error %i. No message was "
                       "sent. ",
                       {std::to_string(result.code)}));
    }
    return result.code == kMailSuccess ? 1 : 0;
}

void EmailDataStep(CDatabase& store, CMailer& mailer) {
    if (!SaveAndReview(store)) {
        return;
    }
    std::string reportText;
    SummaryReport(store, 'T', reportText);
    const CMailMessage message = OrganizerMessage(store, reportText);
    if (mailer.LoadMailLibrary() != kMailReady) {
        TellWhereTheFilesAre(store, NoMailProgramText(store, mailer));
        return;
    }
    SendMailWithDialog(store, mailer, message);
    mailer.UnloadMailLibrary();
}
