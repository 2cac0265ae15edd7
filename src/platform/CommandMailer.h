#pragma once
// The mail port on Linux and other free desktops: runs xdg-email (or the command named by
// TAVORIN_MAIL_COMMAND, called the same way), which opens the user's preferred mail program with
// the message filled in.
#include <string>
#include <vector>

#include "platform/Mailer.h"

class CCommandMailer : public CMailer {
public:
    // kNoMailSystem when neither TAVORIN_MAIL_COMMAND nor xdg-email can be run.
    int LoadMailLibrary() override;
    CMailResult SendMail(const CMailMessage& message) override;
    void UnloadMailLibrary() override { command_.clear(); }
    std::string MailSystemName() const override { return "xdg-email, from the package xdg-utils"; }

    // The command's arguments, xdg-email's way: texts in UTF-8, the body with plain line feeds.
    static std::vector<std::string> MailArguments(const CMailMessage& message);
    // What xdg-email's exit status means in the mail port's codes.
    static int CodeOfExitStatus(int status);

private:
    std::string command_;
    bool namedByUser_ = false;
};
