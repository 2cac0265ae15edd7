#pragma once
// Applies the program's Enter-key rule in every dialog of the program: Enter moves on like Tab,
// presses a focused push button, toggles a check box, and starts a new line in a multi-line edit.
#include <QObject>

class QCoreApplication;
class QWidget;

class CEnterKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A window with this property set to true handles Enter itself (it presses its default
    // button), like the "Enter text" dialog; a control with it set handles Enter itself, like
    // the report window's find box.
    static constexpr const char* kOwnEnterKeyProperty = "ownEnterKey";
    // A top-level widget that is not a QDialog can opt in with this property set to true.
    static constexpr const char* kEnterMovesOnProperty = "enterMovesOn";
    // A control with this property set to true is reached by Tab, its mnemonic or the mouse,
    // never by Enter moving on: a button that opens something besides the form's own walk
    // ("Copy from...") must not be pressed by the next Enter of a user typing the form through.
    static constexpr const char* kPassedByEnterProperty = "passedByEnter";

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Whether the rule applies in the window of `widget`.
    static bool AppliesTo(const QWidget* widget);
};

// Installs one filter for the whole application; it lives as long as the application.
void InstallEnterKeyFilter(QCoreApplication& application);
