#pragma once
// E-mailing the data file to the organizer through the user's own mail program.
#include <string>

#include "platform/Mailer.h"

class CDatabase;

// To the organizer, the data file attached, the summary report's text in the note.
CMailMessage OrganizerMessage(CDatabase& store, const std::string& reportText);

// What the user is told for a send result code: the mail program's answers as the studios know
// them; empty for a code without one.
std::string MailResultText(int code, bool withAttachments);

// Hands `message` to the mail program and tells the user what came of it. 1 when the mail
// program took the message, else 0.
int SendMailWithDialog(CDatabase& store, CMailer& mailer, const CMailMessage& message);

// Saves, offers the report for review, and opens the mail program with the message. Without a
// mail program the user is told where the files are, to send them by hand.
void EmailDataStep(CDatabase& store, CMailer& mailer);
