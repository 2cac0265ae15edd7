#pragma once
// "Select entry type and dance category" on screen: the eight entry types, the categories of
// the marked type and, beside them, the studios and persons whose entry forms can be opened.
#include <map>

#include "qt/DialogView.h"

class CEntryTypeDialog;
class QListWidget;
class QRadioButton;

class CEntryTypeDialogView : public CDialogView {
    Q_OBJECT
public:
    CEntryTypeDialogView(CEntryTypeDialog& model, CUi& ui, QWidget* parent);

    void accept() override;

private:
    void ShowTypeTabStop();
    void ShowCategories();
    void ShowPersons();
    void ReadPersonSelection();

    CEntryTypeDialog& model_;
    std::map<char, QRadioButton*> types_;
    QListWidget* categories_ = nullptr;
    QListWidget* persons_ = nullptr;
};
