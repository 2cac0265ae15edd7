#pragma once
// The report window on screen: the lines in a white, read-only text area wrapped to its width,
// "Print" and "OK".
#include "qt/DialogView.h"

class CReportWindow;
class QPlainTextEdit;

class CReportWindowView : public CDialogView {
    Q_OBJECT
public:
    CReportWindowView(CReportWindow& model, CUi& ui, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnPrint();

    CReportWindow& model_;
    QPlainTextEdit* text_ = nullptr;
    bool textShown_ = false;
};
