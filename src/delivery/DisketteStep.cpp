#include "delivery/DisketteStep.h"

#include <filesystem>
#include <system_error>

#include "data/Database.h"
#include "delivery/MakeDataFile.h"
#include "delivery/RemovableDisk.h"
#include "dialogs/TextDialog.h"
#include "platform/DriveMap.h"
#include "platform/Ui.h"
#include "report/SummaryReport.h"
#include "util/Files.h"

namespace fs = std::filesystem;

namespace {

// The drive's directory when it is there to be written to, else an empty text.
std::string ReadyDriveDirectory(char drive) {
    const std::string directory = DriveDirectory(drive);
    std::error_code error;
    return !directory.empty() && fs::is_directory(directory, error) ? directory : std::string();
}

// "A:Spring_Star_Dance.tvr": how the user knows the target while the letter names nothing.
std::string DriveText(char drive, const std::string& name) {
    return std::string(1, drive) + ":" + name;
}

bool SameDirectory(const std::string& a, const std::string& b) {
    std::error_code error;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, error);
}

// Emptying the drive deletes every file in its directory: it must not be where the program or
// the studio keeps its own files.
bool HoldsOwnFiles(CDatabase& store, const std::string& directory) {
    for (const std::string& own :
         {store.dataFileName, store.setupFileName, SummaryReportPath(store), ProgramPath()}) {
        if (own.empty()) {
            continue;
        }
        const std::string ownDirectory = fs::absolute(fs::path(own)).parent_path().string();
        if (SameDirectory(directory, ownDirectory)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void MakeDisketteStep(CDatabase& store) {
    CUi& ui = store.ui;
    if (!SaveAndReview(store)) {
        return;
    }
    const std::string answer = AskText(ui, "Drive", 1, "A", 'U');
    if (answer.empty()) {
        return;
    }
    const char drive = answer.front();
    const std::string dataFile = store.dataFileName;
    std::string directory;
    while ((directory = ReadyDriveDirectory(drive)).empty()) {
        // Nothing is deleted or copied until the disk is there; Yes looks again, so that a disk
        // put in meanwhile is found.
        if (!ui.AskYesNo(FormatText("Device not ready in copying %s to %s.\nTry again?",
                                    {dataFile, DriveText(drive, FileNameOf(dataFile))}))) {
            return;
        }
    }
    if (HoldsOwnFiles(store, directory)) {
        ui.ShowMessage(FormatText(
            "Drive %c: is the folder %s, where Tavorin keeps its own and the studio's files. "
            "Making the disk empties the drive, which would delete them. Nothing was deleted or "
            "copied; please give the letter of a removable disk.",
            {std::string(1, drive), directory}));
        return;
    }

    DeleteAllFilesOnDrive(ui, drive);
    const int dataCopied =
        CopyFileWithPrompts(ui, dataFile, DrivePath(drive, FileNameOf(dataFile)), 0);
    std::string reportFile;
    // A report that could not be written is not copied: an older one may still lie beside the
    // data file.
    const int reportCopied =
        WriteSummaryReportFile(store, reportFile)
            ? CopyFileWithPrompts(ui, reportFile, DrivePath(drive, FileNameOf(reportFile)), 1)
            : 3;
    if (dataCopied == 0 && reportCopied == 0) {
        ui.ShowMessage(FormatText(
            "The data file and the summary report are on drive %c: (%s):\n%s\n%s\nPlease send "
            "the disk to the organizer.",
            {std::string(1, drive), directory, FileNameOf(dataFile), FileNameOf(reportFile)}));
    }
}
