#include "cli/ConsoleUi.h"

#include "dialogs/DialogModel.h"
#include "util/CodePage.h"

void CConsoleUi::ShowMessage(const std::string& text) {
    out_ << "message: " << DisplayTextToUtf8(text) << std::endl;
}

bool CConsoleUi::AskYesNo(const std::string& text) {
    out_ << "question: " << DisplayTextToUtf8(text) << std::endl;
    return answerYes_;
}

int CConsoleUi::RunDialog(CDialogModel& model) {
    out_ << "dialog: " << model.ResourceId() << std::endl;
    return IDCANCEL;
}
