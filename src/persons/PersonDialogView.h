#pragma once
// "Person data" on screen: the name fields, the type, the numbers, the roommates, the meal
// preference and the comments, with OK, Cancel and Help.
#include <map>

#include "qt/DialogView.h"

class CPersonDialog;
class QComboBox;
class QLineEdit;
class QListWidget;

class CPersonDialogView : public CDialogView {
    Q_OBJECT
public:
    CPersonDialogView(CPersonDialog& model, CUi& ui, QWidget* parent);

    void accept() override;

private:
    // Runs a handler of the model, then shows both lists as the model left them.
    void Run(void (CPersonDialog::*handler)());
    void ShowLists();
    void ReadFields();
    void ReadForCancel() override { ReadFields(); }

    CPersonDialog& model_;
    std::map<int, QLineEdit*> edits_;
    QComboBox* type_ = nullptr;
    QLineEdit* meal_ = nullptr;
    QListWidget* roommates_ = nullptr;
    QListWidget* comments_ = nullptr;
};
