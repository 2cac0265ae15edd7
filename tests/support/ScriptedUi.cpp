#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

CScriptedUi::~CScriptedUi() {
    for (const auto& answer : fileAnswers) {
        ADD_FAILURE() << "scripted file dialog never opened: " << answer;
    }
    for (const auto& step : script_) {
        ADD_FAILURE() << "scripted "
                      << (step.isQuestion
                              ? "question never asked: " + step.text
                              : "dialog never opened: " + std::to_string(step.resourceId));
    }
    EXPECT_EQ(waitDepth, 0) << "wait cursor left on";
}

CScriptedUi& CScriptedUi::ExpectQuestion(const std::string& text, bool yes) {
    script_.push_back({true, text, yes, 0, nullptr});
    return *this;
}

CScriptedUi& CScriptedUi::ExpectDialog(int resourceId, DialogAction action) {
    script_.push_back({false, {}, false, resourceId, std::move(action)});
    return *this;
}

void CScriptedUi::ShowMessage(const std::string& text) {
    log.push_back("message: " + text);
    messages.push_back(text);
}

void CScriptedUi::ShowInformation(const std::string& text) {
    log.push_back("information: " + text);
    messages.push_back(text);
}

void CScriptedUi::RunBusy(const std::string& what, const std::function<void()>& work) {
    log.push_back("busy: " + what);
    ++busyDepth;
    work();
    --busyDepth;
}

void CScriptedUi::RunWithProgress(const std::string& what,
                                  const std::function<void(CProgress&)>& work) {
    log.push_back("progress: " + what);
    class CScriptedProgress : public CProgress {
    public:
        explicit CScriptedProgress(CScriptedUi& ui) : ui_(ui) {}
        bool Report(std::size_t done, std::size_t total) override {
            ui_.progressReports.push_back(std::to_string(done) + "/" + std::to_string(total));
            return static_cast<int>(ui_.progressReports.size()) != ui_.cancelAtReport;
        }

    private:
        CScriptedUi& ui_;
    } progress(*this);
    work(progress);
}

bool CScriptedUi::AskYesNo(const std::string& text) {
    log.push_back("question: " + text);
    if (script_.empty() || !script_.front().isQuestion) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    Step step = script_.front();
    script_.pop_front();
    EXPECT_EQ(step.text, text);
    return step.yes;
}

bool CScriptedUi::AskYesNoDefaultNo(const std::string& text) {
    defaultNoQuestions.push_back(text);
    return AskYesNo(text);
}

int CScriptedUi::RunDialog(CDialogModel& model) {
    log.push_back("dialog: " + std::to_string(model.ResourceId()));
    if (script_.empty() || script_.front().isQuestion) {
        ADD_FAILURE() << "unexpected dialog: " << model.ResourceId();
        return IDCANCEL;
    }
    Step step = script_.front();
    script_.pop_front();
    EXPECT_EQ(step.resourceId, model.ResourceId());
    if (step.resourceId != model.ResourceId()) {
        return IDCANCEL;
    }
    return step.action(model);
}

std::string CScriptedUi::AskForSetupFile() {
    log.push_back("file dialog");
    if (!setupFileAnswer) {
        ADD_FAILURE() << "unexpected file dialog";
        return {};
    }
    return *setupFileAnswer;
}

std::string CScriptedUi::NextFileAnswer(const std::string& event,
                                        const std::vector<std::string>& filters) {
    log.push_back(event);
    lastFileFilters = filters;
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected " << event;
        return {};
    }
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::string CScriptedUi::AskForFileToOpen(const std::string& caption,
                                          const std::vector<std::string>& filters,
                                          const std::string& startFolder) {
    lastStartFolder = startFolder;
    return NextFileAnswer("open file: " + caption, filters);
}

std::string CScriptedUi::AskForFileToSave(const std::string& caption,
                                          const std::vector<std::string>& filters,
                                          const std::string& suggestedName) {
    lastSuggestedName = suggestedName;
    return NextFileAnswer("save file: " + caption, filters);
}

std::string CScriptedUi::AskForFolder(const std::string& caption) {
    return NextFileAnswer("folder: " + caption, {});
}
