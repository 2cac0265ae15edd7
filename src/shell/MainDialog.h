#pragma once
// The main window: the numbered steps, each a button that opens one step's dialog or runs one
// delivery operation. It owns the store for its whole life.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "dialogs/DialogModel.h"

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

    CDatabase& Store() { return *store_; }

    std::string title;
    std::string versionText = "Version";
    bool ended = false;
    int result = 0;

private:
    void End(int dialogResult);
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
    // What each step button does; a step without an action shows a disabled button.
    std::map<int, std::function<void()>> steps_;
};
