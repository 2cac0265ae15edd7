#include "dialogs/DeleteQuestion.h"

#include "platform/Ui.h"

bool AskBeforeDeleting(CUi& ui, const std::string& question, const std::string& line) {
    return ui.AskYesNoDefaultNo(line.empty() ? question : question + "\n\n" + line);
}
