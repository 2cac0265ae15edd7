#pragma once
// "List of purchases": every stored purchase as "who - what (how many)", sorted; purchases are
// added through the price-list dialog and deleted here, never edited.
#include <string>

#include "dialogs/DialogModel.h"
#include "dialogs/ListModel.h"

class CDatabase;
class CFinanceRecord;

class CPurchaseListDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 285;

    static constexpr int kListId = 1009;
    static constexpr int kAddId = 1006;
    static constexpr int kDeleteId = 1008;
    static constexpr int kOkId = 1;
    static constexpr int kHelpId = 1021;

    static constexpr const char* kTitle = "List of purchases";

    explicit CPurchaseListDialog(CDatabase& store);
    int ResourceId() const override { return kResourceId; }

    // The line of one purchase: "Last, First - item (quantity)", or "Studio - item (quantity)"
    // when its purchaser is not a stored person.
    static std::string LineText(const CDatabase& store, const CFinanceRecord& purchase);

    void OnAdd();
    // Deletes the selected purchase after the user confirms.
    void OnDelete();
    void OnHelp();

    void Fill();

    // One line per purchase, the purchase number as item data.
    CListModel purchases;

private:
    CDatabase& store_;
};
