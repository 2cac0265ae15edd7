#pragma once
// The entry form on screen, laid out in pixels: the person boxes along the top, the dances (or
// the dancers of a group) on the left, levels and ages in the middle, the ways out on the right.
// Controls the form does not use are hidden; those it moves are placed where the model says.
#include <map>

#include "qt/DialogView.h"

class CEntryFormDialog;
class CTypeAheadComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

class CEntryFormDialogView : public CDialogView {
    Q_OBJECT
public:
    CEntryFormDialogView(CEntryFormDialog& model, CUi& ui, QWidget* parent);

    void reject() override;

private:
    void Build();
    void BindKeys();
    void Render();
    void RenderDancers();
    void RenderPersonBoxes();
    // Takes the boxes, the lists' selections and the text into the model.
    void ReadControls();
    void EndWith(int action);
    // The form's cost as the controls now stand.
    void ShowCost();

    CEntryFormDialog& model_;
    CTypeAheadComboBox* gentleman_ = nullptr;
    CTypeAheadComboBox* lady_ = nullptr;
    CTypeAheadComboBox* coach_ = nullptr;
    QListWidget* dances_ = nullptr;
    QListWidget* levels_ = nullptr;
    QListWidget* ages_ = nullptr;
    QListWidget* dancers_ = nullptr;
    QLineEdit* text_ = nullptr;
    QLabel* cost_ = nullptr;
};
