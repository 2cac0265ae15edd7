#pragma once
// "Studio or mailing address data" on screen: the four name fields with their long prompts, the
// independent box, the address fields and OK, Cancel, Help.
#include <map>

#include "qt/DialogView.h"

class CStudioDialog;
class QCheckBox;
class QLabel;
class QLineEdit;

class CStudioDialogView : public CDialogView {
    Q_OBJECT
public:
    CStudioDialogView(CStudioDialog& model, CUi& ui, QWidget* parent);

    void accept() override;

private:
    QLineEdit* AddField(int id, const char* constantName, QLabel* label);
    void ReadFields();
    void ReadForCancel() override { ReadFields(); }

    CStudioDialog& model_;
    std::map<int, QLineEdit*> edits_;
    QCheckBox* independent_ = nullptr;
};
