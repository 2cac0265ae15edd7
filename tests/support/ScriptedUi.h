#pragma once
// A CUi for tests: records every message, question and dialog in order, answers questions and
// runs dialogs from a script. Anything the script did not expect fails the test.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/DialogModel.h"
#include "platform/Ui.h"

class CScriptedUi : public CUi {
public:
    using DialogAction = std::function<int(CDialogModel&)>;

    ~CScriptedUi() override;

    // The next question must read `text`; it is answered `yes`.
    CScriptedUi& ExpectQuestion(const std::string& text, bool yes);
    // The next dialog must have resource `resourceId`; `action` plays the user and returns the
    // dialog's result.
    CScriptedUi& ExpectDialog(int resourceId, DialogAction action);
    // Typed access for dialogs: `action` receives the model as its own class.
    template <class Model>
    CScriptedUi& ExpectDialog(std::function<int(Model&)> action) {
        return ExpectDialog(Model::kResourceId,
                            [action](CDialogModel& m) { return action(dynamic_cast<Model&>(m)); });
    }

    void ShowMessage(const std::string& text) override;
    // Kept among the messages, and marked in the log as "information: ...".
    void ShowInformation(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    // Answered from the same script; the text also goes to `defaultNoQuestions`.
    bool AskYesNoDefaultNo(const std::string& text) override;
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }
    // Logs "busy: <what>" and runs the work in place, counted in `busyDepth` meanwhile.
    void RunBusy(const std::string& what, const std::function<void()>& work) override;
    // Logged as "progress: WHAT"; the user presses Cancel at the report numbered
    // `cancelAtReport` (counted from 1; 0 never).
    void RunWithProgress(const std::string& what,
                         const std::function<void(CProgress&)>& work) override;
    int cancelAtReport = 0;
    // Every report the work made, as "done/total".
    std::vector<std::string> progressReports;
    int RunDialog(CDialogModel& model) override;
    void OpenHelp(unsigned context) override { helpContexts.push_back(context); }
    // The file dialog answers `setupFileAnswer`; unset, the dialog was not expected.
    std::string AskForSetupFile() override;
    // The file dialogs answer from `fileAnswers` in order ("" plays Cancel); none left, the
    // dialog was not expected.
    std::string AskForFileToOpen(const std::string& caption,
                                 const std::vector<std::string>& filters,
                                 const std::string& startFolder = {}) override;
    std::string AskForFileToSave(const std::string& caption,
                                 const std::vector<std::string>& filters,
                                 const std::string& suggestedName) override;
    // From `fileAnswers` as well.
    std::string AskForFolder(const std::string& caption) override;

    // The list kept between runs lives in `recentCompetitions`.
    std::vector<std::string> RecentCompetitions() override { return recentCompetitions; }
    void KeepRecentCompetitions(const std::vector<std::string>& setupPaths) override {
        recentCompetitions = setupPaths;
    }

    // Every event as "message: ...", "information: ...", "question: ...", "dialog: <resource>",
    // "open file: <caption>", "save file: <caption>", "folder: <caption>".
    std::vector<std::string> log;
    std::vector<std::string> messages;
    // The questions asked with No as their default button, in order.
    std::vector<std::string> defaultNoQuestions;
    std::vector<unsigned> helpContexts;
    std::optional<std::string> setupFileAnswer;
    std::deque<std::string> fileAnswers;
    std::vector<std::string> recentCompetitions;
    // What the last file dialog offered.
    std::vector<std::string> lastFileFilters;
    std::string lastSuggestedName;
    // The folder the last file dialog for a file to read was to open in ("" for the default).
    std::string lastStartFolder;
    int waitDepth = 0;
    int busyDepth = 0;

private:
    std::string NextFileAnswer(const std::string& event, const std::vector<std::string>& filters);

    struct Step {
        bool isQuestion;
        std::string text;
        bool yes;
        int resourceId;
        DialogAction action;
    };
    std::deque<Step> script_;
};
