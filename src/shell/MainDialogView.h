#pragma once
// The main window on screen: the step buttons at their places in dialog units of its own font,
// the version, the window icon and the about box.
#include <QFont>

#include "qt/DialogView.h"

class CMainDialog;
class QMenu;

class CMainDialogView : public CDialogView {
    Q_OBJECT
public:
    CMainDialogView(CMainDialog& model, CUi& ui, QWidget* parent);

    // "Arial Rounded MT Bold" at 9 points where it is installed, else the nearest sans.
    static QFont DialogFont();
    // The window's own menu: the window system has none that a program can add to here, so it
    // opens from the dialog's context menu and with Alt+Space.
    QMenu* WindowMenu() const { return windowMenu_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnButton(int id);
    void ShowWindowMenu(const QPoint& globalPosition);

    CMainDialog& model_;
    QMenu* windowMenu_ = nullptr;
};
