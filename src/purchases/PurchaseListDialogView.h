#pragma once
// "List of purchases" on screen: the sorted purchases on the left, Add, Delete, OK and Help on
// the right.
#include "qt/DialogView.h"

class CPurchaseListDialog;
class QListWidget;

class CPurchaseListDialogView : public CDialogView {
    Q_OBJECT
public:
    CPurchaseListDialogView(CPurchaseListDialog& model, CUi& ui, QWidget* parent);

private:
    // Runs a handler on the user's selection and shows the list as it then is.
    void Run(void (CPurchaseListDialog::*handler)());

    CPurchaseListDialog& model_;
    QListWidget* list_ = nullptr;
};
