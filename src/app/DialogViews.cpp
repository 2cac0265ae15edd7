#include "app/DialogViews.h"

#include "dialogs/ListDialog.h"
#include "dialogs/TextDialog.h"
#include "entries/EntryFormDialog.h"
#include "entries/EntryFormDialogView.h"
#include "entries/EntryTypeDialog.h"
#include "entries/EntryTypeDialogView.h"
#include "persons/ImportSummaryWindow.h"
#include "persons/ImportSummaryWindowView.h"
#include "persons/PersonDialog.h"
#include "persons/PersonDialogView.h"
#include "persons/PersonListDialog.h"
#include "persons/PersonListDialogView.h"
#include "purchases/PurchaseDialog.h"
#include "purchases/PurchaseDialogView.h"
#include "purchases/PurchaseListDialog.h"
#include "purchases/PurchaseListDialogView.h"
#include "qt/DialogViewRegistry.h"
#include "qt/ListDialogView.h"
#include "qt/TextDialogView.h"
#include "report/ReportWindow.h"
#include "report/ReportWindowView.h"
#include "report/StatementsWindow.h"
#include "report/StatementsWindowView.h"
#include "shell/AboutDialog.h"
#include "shell/AboutDialogView.h"
#include "shell/MainDialog.h"
#include "shell/MainDialogView.h"
#include "studio/StudioDialog.h"
#include "studio/StudioDialogView.h"

namespace {

template <class Model, class View>
void Register(std::vector<int>& claimedTwice) {
    if (!RegisterDialogView<Model, View>()) {
        claimedTwice.push_back(Model::kResourceId);
    }
}

std::vector<int> RegisterAll() {
    std::vector<int> claimedTwice;
    Register<CMainDialog, CMainDialogView>(claimedTwice);
    Register<CAboutDialog, CAboutDialogView>(claimedTwice);
    Register<CListDialog, CListDialogView>(claimedTwice);
    Register<CTextDialog, CTextDialogView>(claimedTwice);
    Register<CStudioDialog, CStudioDialogView>(claimedTwice);
    Register<CReportWindow, CReportWindowView>(claimedTwice);
    Register<CStatementsWindow, CStatementsWindowView>(claimedTwice);
    Register<CEntryTypeDialog, CEntryTypeDialogView>(claimedTwice);
    Register<CEntryFormDialog, CEntryFormDialogView>(claimedTwice);
    Register<CPersonListDialog, CPersonListDialogView>(claimedTwice);
    Register<CPersonDialog, CPersonDialogView>(claimedTwice);
    Register<CImportSummaryWindow, CImportSummaryWindowView>(claimedTwice);
    Register<CPurchaseListDialog, CPurchaseListDialogView>(claimedTwice);
    Register<CPurchaseDialog, CPurchaseDialogView>(claimedTwice);
    return claimedTwice;
}

}  // namespace

std::vector<int> RegisterDialogViews() {
    static const std::vector<int> claimedTwice = RegisterAll();
    return claimedTwice;
}
