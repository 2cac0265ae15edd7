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
    // The row of the prompt above the field, the least width of the dialog, and what the title
    // bar takes besides the title.
    static constexpr int kPromptHeight = 18;
    static constexpr int kMinimumWidth = 240;
    static constexpr int kTitleBarExtra = 120;
    // The Help button's id, shown when the dialog names a help context.
    static constexpr int kHelpButtonId = 1021;

    void accept() override;

private:
    void OnTextEdited(const QString& text);

    CTextDialog& model_;
    QLineEdit* edit_ = nullptr;
};
