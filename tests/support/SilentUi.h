#pragma once
// A user interface that answers nothing: for code that runs without a user (fuzzing, reading a
// written file back).
#include <string>

#include "platform/Ui.h"

class CSilentUi : public CUi {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    int RunDialog(CDialogModel&) override { return IDCANCEL; }
    void OpenHelp(unsigned) override {}
};
