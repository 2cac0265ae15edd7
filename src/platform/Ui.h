#pragma once
// The user-interface port: everything the core asks of the screen. The Qt adapter implements it
// for the desktop program; tests use a scripted double.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CDialogModel;

// How far a long work is, told by the work; the user may ask it to stop.
class CProgress {
public:
    virtual ~CProgress() = default;
    // `done` of `total` steps; false once the user has asked to stop (the work then ends and
    // undoes what it did).
    virtual bool Report(std::size_t done, std::size_t total) = 0;
};

// Dialog results, as the dialog buttons report them.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

class CUi {
public:
    virtual ~CUi() = default;
    // A modal message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // The same for news that is no warning: a step that went well.
    virtual void ShowInformation(const std::string& text) { ShowMessage(text); }
    // A modal Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // The same for a question whose Yes deletes or duplicates something: No is the default
    // button, so that Enter keeps everything as it was.
    virtual bool AskYesNoDefaultNo(const std::string& text) { return AskYesNo(text); }
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Runs `work`, which must not use this port, away from the screen's own thread where there is
    // one: the windows go on painting under the wait cursor, take no input meanwhile, and a work
    // that lasts beyond a quarter of a second shows a window saying `what`. Returns when the
    // work is done. Here it runs in place under the wait cursor.
    virtual void RunBusy(const std::string& what, const std::function<void()>& work);
    // Runs `work` as RunBusy does; a work that lasts beyond a moment shows `what` with a bar of
    // its progress and a Cancel button, which makes the next Report return false. Here it runs in
    // place and is never stopped.
    virtual void RunWithProgress(const std::string& what,
                                 const std::function<void(CProgress&)>& work);
    // Runs the dialog that shows `model` modally; returns IDOK, IDCANCEL or a dialog's own result.
    virtual int RunDialog(CDialogModel& model) = 0;
    // Opens the help at a context number (0x20000 + a dialog's resource number).
    virtual void OpenHelp(unsigned context) = 0;
    // Asks for the organizer's setup file with the system's file dialog; "" when the user
    // cancelled or there is no such dialog.
    virtual std::string AskForSetupFile() { return {}; }
    // The system's file dialog for a file to read or to write. `filters` are lines such as
    // "CSV files (*.csv)", the first one chosen at the start; `suggestedName` is the name a
    // new file starts with; `startFolder`, when given, is the folder the dialog opens in.
    // "" when the user cancelled or there is no such dialog.
    virtual std::string AskForFileToOpen(const std::string& caption,
                                         const std::vector<std::string>& filters,
                                         const std::string& startFolder = {}) {
        (void)caption;
        (void)filters;
        (void)startFolder;
        return {};
    }
    virtual std::string AskForFileToSave(const std::string& caption,
                                         const std::vector<std::string>& filters,
                                         const std::string& suggestedName) {
        (void)caption;
        (void)filters;
        (void)suggestedName;
        return {};
    }
    // The system's dialog for a folder to write into; "" when the user cancelled or there is
    // no such dialog.
    virtual std::string AskForFolder(const std::string& caption) {
        (void)caption;
        return {};
    }

    // The setup files of the competitions opened last, most recent first, as kept between runs
    // of the program; the program keeps a new list with the second.
    virtual std::vector<std::string> RecentCompetitions() { return {}; }
    virtual void KeepRecentCompetitions(const std::vector<std::string>& setupPaths) {
        (void)setupPaths;
    }

    // The last list search (F2), in upper case: one for the whole run, so that F3 in any dialog
    // repeats a search made in another.
    std::string lastSearchText;
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    explicit CWaitCursor(CUi& ui) : ui_(ui) { ui_.BeginWaitCursor(); }
    ~CWaitCursor() { ui_.EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CUi& ui_;
};

inline void CUi::RunWithProgress(const std::string& what,
                                 const std::function<void(CProgress&)>& work) {
    class CNeverStopped : public CProgress {
    public:
        bool Report(std::size_t, std::size_t) override { return true; }
    } progress;
    RunBusy(what, [&] { work(progress); });
}

inline void CUi::RunBusy(const std::string&, const std::function<void()>& work) {
    CWaitCursor wait(*this);
    work();
}
