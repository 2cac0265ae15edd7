#pragma once
// The user-interface port on Qt: message boxes, the wait cursor, the dialogs and the help.
#include <QMessageBox>
#include <QString>
#include <memory>

#include "platform/Ui.h"

class CHelpWindow;
class QFileDialog;
class QWidget;

class CQtUi : public CUi {
public:
    CQtUi();
    ~CQtUi() override;

    void ShowMessage(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool AskYesNoDefaultNo(const std::string& text) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    // The work runs on a thread of its own while an event loop without user input keeps the
    // windows painted; after a quarter of a second a progress window without buttons says `what`.
    void RunBusy(const std::string& what, const std::function<void()>& work) override;
    void RunWithProgress(const std::string& what,
                         const std::function<void(CProgress&)>& work) override;
    int RunDialog(CDialogModel& model) override;
    void OpenHelp(unsigned context) override;
    // Starts in the folder of the setup file chosen last time, and remembers the new one.
    std::string AskForSetupFile() override;
    // Kept in the program's settings (never anything of the studio itself).
    std::vector<std::string> RecentCompetitions() override;
    void KeepRecentCompetitions(const std::vector<std::string>& setupPaths) override;
    std::string AskForFileToOpen(const std::string& caption,
                                 const std::vector<std::string>& filters,
                                 const std::string& startFolder = {}) override;
    std::string AskForFileToSave(const std::string& caption,
                                 const std::vector<std::string>& filters,
                                 const std::string& suggestedName) override;
    std::string AskForFolder(const std::string& caption) override;

    // The window new dialogs and message boxes belong to: the active modal dialog, else the
    // active window.
    static QWidget* CurrentParent();

private:
    bool Ask(const std::string& text, QMessageBox::StandardButton defaultButton);
    // Runs `dialog` with the filters and returns the chosen path; "" after Cancel. The folder of
    // the last roster or studio file chosen is where the next one starts, unless `startFolder`
    // names one.
    std::string RunFileDialog(QFileDialog& dialog, const std::vector<std::string>& filters,
                              const std::string& suggestedName,
                              const std::string& startFolder = {});

    int waitDepth_ = 0;
    // Made at the first Help press and reused, so that its history lasts.
    std::unique_ptr<CHelpWindow> help_;
};

// The caption of the program's message boxes.
QString MessageBoxCaption();
