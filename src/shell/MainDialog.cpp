#include "shell/MainDialog.h"

#include "data/Database.h"
#include "formats/DataFileChoice.h"
#include "shell/DataFileChooser.h"
#include "formats/DataFileReader.h"
#include "formats/SetupLoader.h"
#include "persons/PersonListDialog.h"
#include "platform/Ui.h"
#include "shell/AboutDialog.h"
#include "shell/SaveAndClear.h"
#include "studio/StudioData.h"
#include "util/Files.h"
#include "util/SetupPath.h"

CMainDialog::CMainDialog(CUi& ui, std::string setupPath)
    : ui_(ui), setupPath_(std::move(setupPath)), store_(std::make_unique<CDatabase>(ui)) {
    // The steps whose dialogs are not part of the program yet have no action: their buttons
    // stay disabled until each step lands here.
    steps_[kStudioId] = [this] { EditStudioData(*store_); };
    steps_[kPersonsId] = [this] { ShowPersonList(*store_); };
    steps_[kPurchasesId] = nullptr;
    steps_[kEntriesId] = nullptr;
    steps_[kReportId] = nullptr;
    steps_[kDisketteId] = nullptr;
    steps_[kEmailId] = nullptr;
    steps_[kDataFileId] = nullptr;
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
        store_->dataFileName = chosen;
        ReadDataFile(*store_);
    } else if (!NewStudio(*store_)) {
        ui_.ShowMessage(kNoStudioMessage);
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
        ui_.OpenHelp(kHelpContext);
    } else if (id == kNewStudioId) {
        SaveAndClear(*store_, true);
        if (!NewStudio(*store_)) {
            ui_.ShowMessage(kNoStudioMessage);
            End(0);
        }
    } else if (IsEnabled(id)) {
        steps_.at(id)();
    }
    return ended;
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

void CMainDialog::End(int dialogResult) {
    ended = true;
    result = dialogResult;
}
