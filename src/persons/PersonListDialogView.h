#pragma once
// "List of persons" on screen: the sorted list of persons and the buttons beside it.
#include "qt/DialogView.h"

class CPersonListDialog;
class QListWidget;

class CPersonListDialogView : public CDialogView {
    Q_OBJECT
public:
    CPersonListDialogView(CPersonListDialog& model, CUi& ui, QWidget* parent);

private:
    // Runs a handler of the model, then shows the list as the model left it.
    template <class Handler>
    void Run(Handler handler);

    CPersonListDialog& model_;
    QListWidget* list_ = nullptr;
};
