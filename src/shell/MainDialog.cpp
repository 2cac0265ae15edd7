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
#include "platform/CommandMailer.h"
#include "platform/Ui.h"
#include "purchases/PurchaseOperations.h"
#include "report/SummaryReport.h"
#include "shell/AboutDialog.h"
#include "shell/DataFileChooser.h"
#include "shell/SaveAndClear.h"
#include "studio/StudioData.h"
#include "util/Files.h"
#include "util/SetupPath.h"

CMainDialog::CMainDialog(CUi& ui, std::string setupPath)
    : ui_(ui),
      setupPath_(std::move(setupPath)),
      store_(std::make_unique<CDatabase>(ui)),
      mailer_(std::make_unique<CCommandMailer>()) {
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
    const std::string chosen = ChooseDataFile(ui_, WithSetupExtensionReplaced(setupPath_, "*.tvr"));
    if (!chosen.empty() && FileExists(chosen) && FileSizeOf(chosen) > 0) {
        if (!OpenStudioFile(chosen)) {
            End(0);
        }
    } else if (!StartNewStudio()) {
        End(0);
    }
    title = "Data for " + store_->competitionName;
    return !ended;
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
