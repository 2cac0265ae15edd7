#pragma once
// A mail port for tests: keeps every message it is handed and answers with the result it is
// given, so that each answer of a mail program can be played.
#include <functional>
#include <vector>

#include "platform/Mailer.h"

class CScriptedMailer : public CMailer {
public:
    int LoadMailLibrary() override {
        ++loads;
        return loadResult;
    }
    CMailResult SendMail(const CMailMessage& message) override {
        sent.push_back(message);
        if (onSend) {
            onSend();
        }
        return sendResult;
    }
    void UnloadMailLibrary() override { ++unloads; }
    std::string MailSystemName() const override { return "xdg-email, from the package xdg-utils"; }

    int loadResult = kMailReady;
    CMailResult sendResult{kMailSuccess, true};
    std::vector<CMailMessage> sent;
    // Called while the message is handed over, to see what the screen shows meanwhile.
    std::function<void()> onSend;
    int loads = 0;
    int unloads = 0;
};
