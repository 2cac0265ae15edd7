#pragma once
// The program's help: HTML topics built into the program, one per help context number, shown in
// one help window that is reused for every Help button and keeps its back/forward history.
#include <QDialog>

class QPushButton;
class QTextBrowser;

class CHelpWindow : public QDialog {
    Q_OBJECT

public:
    CHelpWindow();

    // Shows the topic for `context` (the contents when there is none) and brings the window up.
    // The window stays open without blocking the caller; it is modal so that it can be read
    // and closed while another dialog waits for the user.
    void ShowTopic(unsigned context);

protected:
    // Keeps the window's size and place for the next time and the next run.
    void hideEvent(QHideEvent* event) override;

private:
    QTextBrowser* browser_;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
};
