#pragma once
// The main window: the numbered steps, each a button that opens one step's dialog or runs one
// delivery operation. It owns the store for its whole life.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/DialogModel.h"
#include "shell/MainMenu.h"

class CDatabase;
class CDataFileLock;
class CMailer;
class CUi;

class CMainDialog : public CDialogModel {
public:
    static constexpr int kResourceId = 102;

    static constexpr int kHelpId = 1018;
    static constexpr int kStudioId = 1000;
    static constexpr int kPersonsId = 1001;
    static constexpr int kPurchasesId = 1002;
    static constexpr int kEntriesId = 1011;
    static constexpr int kReportId = 1012;
    static constexpr int kDisketteId = 1014;
    static constexpr int kEmailId = 1015;
    static constexpr int kDataFileId = 1016;
    static constexpr int kOkId = 1;
    static constexpr int kVersionId = 1020;
    static constexpr int kNewStudioId = 1030;

    // The window menu's commands 16 to 31 open the about box.
    static constexpr int kAboutCommand = 16;
    static constexpr int kLastAboutCommand = 31;
    static constexpr const char* kAboutMenuText = "&About Tavorin...";
    static constexpr const char* kVersionText = "Version 1.007";
    static constexpr const char* kNoStudioMessage = "No studio name provided. Aborting data entry.";
    // The result with which the window ends to open `nextCompetition` instead.
    static constexpr int kOpenCompetitionResult = 3;
    // The help context that shows the help's contents.
    static constexpr unsigned kHelpContentsContext = 0;

    CMainDialog(CUi& ui, std::string setupPath);
    ~CMainDialog() override;
    int ResourceId() const override { return kResourceId; }

    // Loads the setup file, then reads the studio's data file or asks for a new studio. False
    // when the dialog ended on the way; it is then not to be shown.
    bool Initialize();

    // A click on button `id`. True when the dialog closes; its result is then in `result`.
    bool OnCommand(int id);
    // A window-menu command; false when it is not the dialog's own.
    bool OnSysCommand(int command);
    // Whether the button `id` can be clicked: a step is enabled once its dialog exists.
    bool IsEnabled(int id) const;

    // The menu bar as it is now (see CMainMenu).
    std::vector<CMenu> Menus() const;
    // A command of the menu bar: a step's button id or one of CMainMenu's commands. True when
    // the dialog closes. Opening the studio's folder is the view's: the model only names it.
    bool OnMenuCommand(int command);
    bool IsCommandEnabled(int command) const;
    // The folder that holds the studio's data file (and the setup file).
    std::string StudioFolder() const;
    // The competitions File > Open recent offers, most recent first.
    const std::vector<std::string>& RecentCompetitions() const { return recent_; }

    CDatabase& Store() { return *store_; }

    std::string title;
    std::string versionText = "Version";
    bool ended = false;
    int result = 0;
    // Set before Initialize: the studio's data file to open instead of asking which one, when
    // it is still there (going back to the studio that was open before).
    std::string preferredDataFile;
    // After kOpenCompetitionResult: the setup file or folder the user chose.
    std::string nextCompetition;

private:
    void End(int dialogResult);
    // "Data for <competition> - <studio>".
    void UpdateTitle();
    // Ends the window so that start-up opens `setupPath` once this studio is saved.
    void OpenCompetition(const std::string& setupPath);
    void OpenRecent(std::size_t index);
    // Saves the studio, forgets it and asks for another; the program ends when the user gives
    // up.
    void InitializeNewStudio();
    // Locks and reads a studio's data file. false, with the user told why, when another Tavorin
    // has it open or it cannot be read; the file is then left as it is.
    bool OpenStudioFile(const std::string& path);
    // Asks for a new studio and locks its new file; false when the user gave up.
    bool StartNewStudio();
    // The file may not be written in this session: the store forgets it.
    void LeaveStudioFile();

    CUi& ui_;
    std::string setupPath_;
    std::unique_ptr<CDatabase> store_;
    std::unique_ptr<CDataFileLock> lock_;
    std::unique_ptr<CMailer> mailer_;
    std::vector<std::string> recent_;
    // What each step button does; a step without an action shows a disabled button.
    std::map<int, std::function<void()>> steps_;
};
