#pragma once
// "Enter text" on screen: one edit with OK and Cancel beside it, sized to the maximum length.
#include "qt/DialogView.h"

class CTextDialog;
class QLineEdit;

class CTextDialogView : public CDialogView {
    Q_OBJECT
public:
    CTextDialogView(CTextDialog& model, CUi& ui, QWidget* parent);

    // The width of the edit's area in pixels for a maximum length: ten pixels a character.
    static int TextAreaWidth(int maxLength);

    void accept() override;

private:
    void OnTextEdited(const QString& text);

    CTextDialog& model_;
    QLineEdit* edit_ = nullptr;
};
