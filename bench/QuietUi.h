#pragma once
// A user interface that nobody sits at: messages vanish, questions are answered Yes (a duplicate
// entry is allowed) and every dialog is left at once, as with Cancel.
#include "dialogs/ListDialog.h"
#include "platform/Ui.h"

class CQuietUi : public CUi {
public:
    void ShowMessage(const std::string&) override { ++messages; }
    bool AskYesNo(const std::string&) override { return true; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    int RunDialog(CDialogModel& model) override {
        if (auto* list = dynamic_cast<CListDialog*>(&model)) {
            return list->OnCancel();
        }
        return IDCANCEL;
    }
    void OpenHelp(unsigned) override {}

    int messages = 0;
};
