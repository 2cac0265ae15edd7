#pragma once
// The Enter key in the program's dialogs: it moves on to the next control like Tab, so that a
// whole form can be typed with Enter after each field. On a push button it presses the button,
// on a check box it toggles the box, and in a multi-line edit it starts a new line.

constexpr int kEnterKey = 13;
constexpr int kTabKey = 9;

// What the focused control is, as far as the Enter key cares.
enum class EControlKind {
    PushButton,
    CheckBox,
    RadioButton,
    OtherButton,
    MultiLineEdit,
    Other,  // single-line edits, list boxes, combo boxes, ...
};

enum class ECheckState { Unchecked, Checked, Indeterminate };

struct CFocusedControl {
    EControlKind kind = EControlKind::Other;
    ECheckState check = ECheckState::Unchecked;
};

// Decides what Enter does on `focused`: returns the key the dialog then processes (kEnterKey or
// kTabKey) and updates focused.check for check boxes and radio buttons.
int HandleEnterKey(CFocusedControl& focused);
