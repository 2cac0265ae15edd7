#pragma once
// "About Tavorin": the icon, the program's name and version, and OK.
#include "qt/DialogView.h"

class CAboutDialog;

class CAboutDialogView : public CDialogView {
    Q_OBJECT
public:
    CAboutDialogView(CAboutDialog& model, CUi& ui, QWidget* parent);
};
