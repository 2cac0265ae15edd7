#pragma once
// "Purchase/Select from price list" on screen: the purchaser box along the top, the price list
// on the left, the actions in the middle, the collected items on the right, the ways out below.
#include "qt/DialogView.h"

class CPurchaseDialog;
class CTypeAheadComboBox;
class QLabel;
class QListWidget;

class CPurchaseDialogView : public CDialogView {
    Q_OBJECT
public:
    CPurchaseDialogView(CPurchaseDialog& model, CUi& ui, QWidget* parent);

    void accept() override;

private:
    // Takes the purchaser's text and both lists' selections into the model.
    void ReadControls();
    void ReadForCancel() override { ReadControls(); }
    void Render();
    // Each line's price and the total, for the purchaser the box shows now.
    void ShowPrices();
    // Runs a handler on what the user chose and shows the dialog as it then is.
    void Run(void (CPurchaseDialog::*handler)());

    CPurchaseDialog& model_;
    CTypeAheadComboBox* purchaser_ = nullptr;
    QListWidget* priceList_ = nullptr;
    QListWidget* selectedItems_ = nullptr;
    QLabel* total_ = nullptr;
};
