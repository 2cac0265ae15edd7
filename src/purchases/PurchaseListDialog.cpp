#include "purchases/PurchaseListDialog.h"

#include "data/Database.h"
#include "dialogs/DeleteQuestion.h"
#include "platform/Ui.h"
#include "purchases/PurchaseOperations.h"
#include "util/Collation.h"
#include "util/Text.h"

CPurchaseListDialog::CPurchaseListDialog(CDatabase& store) : store_(store) {
    Fill();
}

std::string CPurchaseListDialog::LineText(const CDatabase& store, const CFinanceRecord& purchase) {
    const std::string what = purchase.itemName + " (" + std::to_string(purchase.quantity) + ")";
    if (store.FindPerson(purchase.purchaserNumber) != nullptr) {
        return store.PersonNameText(purchase.purchaserNumber, 1) + " - " + what;
    }
    return "Studio - " + what;
}

void CPurchaseListDialog::Fill() {
    purchases.ResetContent();
    for (const auto& purchase : store_.purchaseArray) {
        purchases.AddString(LineText(store_, *purchase), purchase->number);
    }
    purchases.SortBy(CollatesBefore);
}

void CPurchaseListDialog::OnAdd() {
    if (AddPurchase(store_) == 1) {
        Fill();
    }
}

void CPurchaseListDialog::OnDelete() {
    const int index = ListSelection(store_.ui, purchases, "No purchase selected");
    if (index < 0 || !AskBeforeDeleting(store_.ui, "Are you sure you want to delete purchase?",
                                        purchases.GetText(index))) {
        return;
    }
    if (DeletePurchase(store_, static_cast<int>(purchases.GetItemData(index))) == 1) {
        Fill();
    }
}

void CPurchaseListDialog::OnHelp() {
    store_.ui.OpenHelp(HelpContext());
}
