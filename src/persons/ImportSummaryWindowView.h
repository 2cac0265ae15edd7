#pragma once
// The import's summary on screen: the counts and notes in a text that scrolls, the refused lines
// in a list that scrolls, "Save list..." and "OK"; never taller than the screen.
#include "qt/DialogView.h"

class CImportSummaryWindow;

class CImportSummaryWindowView : public CDialogView {
    Q_OBJECT
public:
    CImportSummaryWindowView(CImportSummaryWindow& model, CUi& ui, QWidget* parent);

private:
    CImportSummaryWindow& model_;
};
