#include "shell/MainDialog.h"

#include "data/Database.h"
#include "delivery/DisketteStep.h"
#include "delivery/EmailStep.h"
#include "delivery/MakeDataFile.h"
#include "entries/DanceEntriesStep.h"
#include "formats/DataFileChoice.h"
#include "formats/DataFileLock.h"
#include "formats/DataFileReader.h"
#include "formats/FileReplace.h"
#include "formats/SetupLoader.h"
#include "persons/PersonListDialog.h"
#include "platform/Mailer.h"
#include "platform/Ui.h"
#include "purchases/PurchaseOperations.h"
#include "report/SummaryReport.h"
#include "shell/AboutDialog.h"
#include "shell/DataFileChooser.h"
#include "shell/RecentCompetitions.h"
#include "shell/SaveAndClear.h"
#include "studio/StudioData.h"
#include "util/Files.h"
#include "util/SetupPath.h"

CMainDialog::CMainDialog(CUi& ui, std::string setupPath)
    : ui_(ui),
      setupPath_(std::move(setupPath)),
      store_(std::make_unique<CDatabase>(ui)),
      mailer_(MakeSystemMailer()) {
    // The steps whose dialogs are not part of the program yet have no action: their buttons
    // stay disabled until each step lands here.
    steps_[kStudioId] = [this] { EditStudioData(*store_); };
    steps_[kPersonsId] = [this] { ShowPersonList(*store_); };
    steps_[kPurchasesId] = [this] { ShowPurchaseList(*store_); };
    steps_[kEntriesId] = [this] { EditDanceEntries(*store_); };
    steps_[kReportId] = [this] {
        std::string unused;
        SummaryReport(*store_, 'S', unused);
    };
    steps_[kDisketteId] = [this] { MakeDisketteStep(*store_); };
    steps_[kEmailId] = [this] { EmailDataStep(*store_, *mailer_); };
    steps_[kDataFileId] = [this] { MakeDataFileStep(*store_); };
}

CMainDialog::~CMainDialog() = default;

bool CMainDialog::Initialize() {
    versionText = kVersionText;
    store_->setupFileName = setupPath_;
    if (!FileExists(setupPath_)) {
        ui_.ShowMessage("Setup data file " + setupPath_ + " not found.");
        End(0);
    } else if (!LoadSetupFile(*store_, setupPath_, false)) {
        End(0);
    }
    // Without the competition a studio's entries cannot be read, and the closing save would
    // write the file back without them: stop before the data file is touched.
    if (ended) {
        return false;
    }

    const std::string legacyPath = WithSetupExtensionReplaced(setupPath_, ".txt");
    if (FileExists(legacyPath)) {
        RenameLegacyDataFile(ui_, legacyPath);
    }
    const bool preferred = !preferredDataFile.empty() && FileExists(preferredDataFile) &&
                           FileSizeOf(preferredDataFile) > 0;
    const std::string chosen =
        preferred ? preferredDataFile
                  : ChooseDataFile(ui_, WithSetupExtensionReplaced(setupPath_, "*.tvr"));
    if (!chosen.empty() && FileExists(chosen) && FileSizeOf(chosen) > 0) {
        if (!OpenStudioFile(chosen)) {
            End(0);
        }
    } else if (!StartNewStudio()) {
        End(0);
    }
    if (ended) {
        return false;
    }
    UpdateTitle();
    recent_ = WithCompetitionOpened(ui_.RecentCompetitions(), setupPath_);
    ui_.KeepRecentCompetitions(recent_);
    return true;
}

void CMainDialog::UpdateTitle() {
    title = "Data for " + store_->competitionName;
    if (!store_->studioArray.empty()) {
        title += " - " + store_->studioArray.front()->name;
    }
}

bool CMainDialog::OnCommand(int id) {
    if (id == kOkId) {
        End(IDOK);
    } else if (id == IDCANCEL) {
        End(IDCANCEL);
    } else if (id == kHelpId) {
        ui_.OpenHelp(HelpContext());  // the introduction to the whole program
    } else if (id == kNewStudioId) {
        InitializeNewStudio();
    } else if (IsEnabled(id)) {
        steps_.at(id)();
    }
    return ended;
}

void CMainDialog::InitializeNewStudio() {
    SaveAndClear(*store_, true);
    lock_.reset();
    if (!StartNewStudio()) {
        End(0);
    }
    UpdateTitle();
}

std::vector<CMenu> CMainDialog::Menus() const {
    return CMainMenu::Build(recent_, [this](int command) { return IsCommandEnabled(command); });
}

bool CMainDialog::IsCommandEnabled(int command) const {
    switch (command) {
        case CMainMenu::kRecentMenu:
            return !recent_.empty();
        case CMainMenu::kOpenStudioFolderCommand:
            return !store_->dataFileName.empty();
        default:
            return IsEnabled(command);
    }
}

bool CMainDialog::OnMenuCommand(int command) {
    if (!IsCommandEnabled(command)) {
        return ended;
    }
    if (command == CMainMenu::kOpenCompetitionCommand) {
        const std::string chosen = ui_.AskForSetupFile();
        if (!chosen.empty()) {
            OpenCompetition(chosen);
        }
    } else if (command >= CMainMenu::kFirstRecentCommand &&
               command <= CMainMenu::kLastRecentCommand) {
        OpenRecent(static_cast<std::size_t>(command - CMainMenu::kFirstRecentCommand));
    } else if (command == CMainMenu::kQuitCommand) {
        End(IDOK);
    } else if (command == CMainMenu::kHelpContentsCommand) {
        ui_.OpenHelp(kHelpContentsContext);
    } else if (command == CMainMenu::kAboutCommand) {
        OnSysCommand(kAboutCommand);
    } else if (command == kHelpId || steps_.count(command) != 0) {
        return OnCommand(command);
    }
    return ended;
}

void CMainDialog::OpenRecent(std::size_t index) {
    if (index >= recent_.size()) {
        return;
    }
    const std::string path = recent_[index];
    if (!FileExists(path)) {
        ui_.ShowMessage("Setup data file " + path + " not found.");
        recent_ = WithoutMissingFiles(recent_);
        ui_.KeepRecentCompetitions(recent_);
        return;
    }
    OpenCompetition(path);
}

void CMainDialog::OpenCompetition(const std::string& setupPath) {
    nextCompetition = setupPath;
    End(kOpenCompetitionResult);
}

std::string CMainDialog::StudioFolder() const {
    return DirectoryOf(store_->dataFileName.empty() ? setupPath_ : store_->dataFileName);
}

bool CMainDialog::OnSysCommand(int command) {
    if (command < kAboutCommand || command > kLastAboutCommand) {
        return false;
    }
    CAboutDialog about;
    ui_.RunDialog(about);
    return true;
}

bool CMainDialog::IsEnabled(int id) const {
    const auto step = steps_.find(id);
    return step == steps_.end() || static_cast<bool>(step->second);
}

bool CMainDialog::OpenStudioFile(const std::string& path) {
    std::string holder;
    lock_ = CDataFileLock::Take(path, holder);
    if (!lock_) {
        ui_.ShowMessage(OpenElsewhereMessage(path, holder));
        return false;
    }
    RemoveLeftoverReplacement(path);
    store_->dataFileName = path;
    std::string whyNot;
    bool read = false;
    ui_.RunBusy("Reading " + FileNameOf(path) + "...",
                [&] { read = ReadDataFile(*store_, &whyNot); });
    if (!read) {
        ui_.ShowMessage("The studio data file " + path + " cannot be read (" + whyNot +
                        "). Tavorin stops here and leaves the file as it is.");
        LeaveStudioFile();
        return false;
    }
    if (store_->studioArray.empty()) {
        ui_.ShowMessage("The file " + path +
                        " holds no studio data. Tavorin stops here and leaves the file as it is.");
        LeaveStudioFile();
        return false;
    }
    return true;
}

bool CMainDialog::StartNewStudio() {
    if (!NewStudio(*store_)) {
        ui_.ShowMessage(kNoStudioMessage);
        return false;
    }
    std::string holder;
    lock_ = CDataFileLock::Take(store_->dataFileName, holder);
    return true;
}

void CMainDialog::LeaveStudioFile() {
    store_->Clear(true);
    store_->dataFileName.clear();
    lock_.reset();
}

void CMainDialog::End(int dialogResult) {
    ended = true;
    result = dialogResult;
}
