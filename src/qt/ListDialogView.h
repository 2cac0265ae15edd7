#pragma once
// The list dialog on screen: one of four list boxes, the All/None/extra/Cancel/OK row, sized
// to its content in pixels.
#include <array>

#include "qt/DialogView.h"

class CListDialog;
class QListWidget;
class QPushButton;

class CListDialogView : public CDialogView {
    Q_OBJECT
public:
    CListDialogView(CListDialog& model, CUi& ui, QWidget* parent);

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fill();
    void ShowSelection();
    void ReadSelection();
    void PlaceControls();

    CListDialog& model_;
    // The four list boxes, of which only list_ is shown.
    std::array<QListWidget*, 4> lists_{};
    QListWidget* list_ = nullptr;
    QPushButton* all_ = nullptr;
    QPushButton* none_ = nullptr;
    QPushButton* extra_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool showing_ = false;
};
