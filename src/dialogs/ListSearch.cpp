#include "dialogs/ListSearch.h"

#include "dialogs/ListModel.h"
#include "dialogs/TextDialog.h"
#include "platform/Ui.h"
#include "util/Collation.h"
#include "util/Text.h"

int SearchList(CUi& ui, CListModel& list, int current) {
    // AskText cannot tell Cancel from an empty answer, and only the empty answer is reported.
    CTextDialog dialog("Search for:", 60, "", 0);
    if (ui.RunDialog(dialog) != IDOK) {
        return -1;
    }
    if (dialog.text.empty()) {
        ui.ShowMessage("No search words");
        return -1;
    }
    ui.lastSearchText = ToUpperCodePage(dialog.text);
    return FindNextInList(ui, list, current);
}

int SearchListAgain(CUi& ui, CListModel& list, int current) {
    return FindNextInList(ui, list, current);
}

int FindNextInList(CUi& ui, CListModel& list, int current) {
    const std::string& wanted = ui.lastSearchText;
    // "Castano" finds "Castaño" and "René" finds "RENE": letters match without their accents.
    const std::string plainWanted = MatchingForm(wanted);
    for (int i = current < 0 ? 0 : current + 1; i < list.GetCount(); ++i) {
        if (MatchingForm(list.GetText(i)).find(plainWanted) != std::string::npos) {
            list.SetCurSel(i);
            return i;
        }
    }
    ui.ShowMessage("Not found:" + wanted);
    return -1;
}
