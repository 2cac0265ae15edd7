#pragma once
// The about box: the program's name and version beside its icon.
#include "dialogs/DialogModel.h"

class CAboutDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 100;
    static constexpr const char* kTitle = "About Tavorin";
    static constexpr const char* kText = "Tavorin Version 1.0";

    int ResourceId() const override { return kResourceId; }
};
