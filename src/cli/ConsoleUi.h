#pragma once
// The user-interface port on a terminal: message boxes and questions go to standard error, a
// question is answered by a fixed choice, and no dialog can run.
#include <ostream>

#include "platform/Ui.h"

class CConsoleUi : public CUi {
public:
    CConsoleUi(std::ostream& out, bool answerYes) : out_(out), answerYes_(answerYes) {}

    // "message: TEXT"
    void ShowMessage(const std::string& text) override;
    // "question: TEXT", answered with the fixed choice.
    bool AskYesNo(const std::string& text) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    // "dialog: NUMBER", cancelled.
    int RunDialog(CDialogModel& model) override;
    void OpenHelp(unsigned) override {}

private:
    std::ostream& out_;
    bool answerYes_;
};
