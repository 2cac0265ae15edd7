#pragma once
// The statements window on screen: the statements in a read-only text area, "Print",
// "Save as PDF...", "Save as CSV..." and "OK".
#include "qt/DialogView.h"

class CStatementsWindow;

class CStatementsWindowView : public CDialogView {
    Q_OBJECT
public:
    CStatementsWindowView(CStatementsWindow& model, CUi& ui, QWidget* parent);

private:
    void OnPrint();
    void OnSavePdf();

    CStatementsWindow& model_;
};
