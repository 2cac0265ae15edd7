#pragma once
// The report window on screen: the lines in a white, read-only text area wrapped to its width,
// a find box (Ctrl+F, the next place with F3 or Enter), "Save as text...", "Save as PDF...",
// "Print" and "OK".
#include "qt/DialogView.h"

class CReportWindow;
class QLineEdit;
class QPlainTextEdit;

class CReportWindowView : public CDialogView {
    Q_OBJECT
public:
    CReportWindowView(CReportWindow& model, CUi& ui, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    // Enter in the find box finds the next place rather than closing the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnPrint();
    void OnFindNext();
    void OnSavePdf();

    CReportWindow& model_;
    QPlainTextEdit* text_ = nullptr;
    QLineEdit* find_ = nullptr;
    bool textShown_ = false;
};
