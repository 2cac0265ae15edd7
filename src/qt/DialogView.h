#pragma once
// The base of the program's dialog views: a modal dialog that shows one model, with help on F1
// and helpers for the pixel and dialog-unit layouts.
#include <QDialog>

#include "qt/DialogUnits.h"

class CDialogModel;
class CUi;

class CDialogView : public QDialog {
    Q_OBJECT
public:
    CDialogView(CDialogModel& model, CUi& ui, QWidget* parent);

    // Escape, the close box and Cancel end the dialog with IDCANCEL (Qt's own reject gives 0),
    // after asking when the user changed what the dialog would store (Qt's close box calls
    // reject too, and keeps the dialog open when it stays visible).
    void reject() override;

protected:
    CUi& Ui() const { return ui_; }
    // Opens the help topic of this dialog.
    void OnHelp();
    CDialogUnits Units() const { return CDialogUnits(font()); }
    // Fixes the size of the client area and centres the dialog on its parent (or the screen).
    void SetSizeAndCentre(int width, int height);

    // Puts what the controls show into the model, so that it can tell whether it was changed.
    virtual void ReadForCancel() {}
    void keyPressEvent(QKeyEvent* event) override;
    // Gives the controls the tips their model has for them, once they are all made.
    void showEvent(QShowEvent* event) override;

private:
    CDialogModel& model_;
    CUi& ui_;
};
