#pragma once
// The main window on screen: the menu bar, the step buttons at their places in dialog units of
// its own font below it, the version, the window icon and the about box. Its place on the screen
// is kept between runs.
#include <QFont>

#include "qt/DialogView.h"

class CMainDialog;
struct CMenuCommand;
class QMenu;
class QMenuBar;

class CMainDialogView : public CDialogView {
    Q_OBJECT
public:
    CMainDialogView(CMainDialog& model, CUi& ui, QWidget* parent);

    // "Arial Rounded MT Bold" at 9 points where it is installed, else the nearest sans.
    static QFont DialogFont();
    // The window's own menu: the window system has none that a program can add to here, so it
    // opens from the dialog's context menu and with Alt+Space.
    QMenu* WindowMenu() const { return windowMenu_; }
    QMenuBar* MenuBar() const { return menuBar_; }

    // Keeps the window's place for the next run.
    void done(int result) override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnButton(int id);
    void OnMenuCommand(int command);
    void BuildMenuBar();
    // Fills `menu` with the model's commands; a menu is filled anew each time it opens, so that
    // its lines (the recent competitions) are those of the moment.
    void FillMenu(QMenu* menu, const std::vector<CMenuCommand>& commands);
    // The title and which buttons and commands can be used, after a command has run.
    void Render();
    void ShowWindowMenu(const QPoint& globalPosition);

    CMainDialog& model_;
    QMenu* windowMenu_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
};
