#include "dialogs/DialogModel.h"

#include "platform/Ui.h"

bool MayDiscardChanges(const CDialogModel& model, CUi& ui) {
    return !model.HasChanges() || ui.AskYesNo("Discard your changes?");
}
