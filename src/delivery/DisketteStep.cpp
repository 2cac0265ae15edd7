#include "delivery/DisketteStep.h"

#include <algorithm>
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
#include "util/SystemPath.h"

namespace fs = std::filesystem;

namespace {

// The main window's help topic, whose step-6 section tells what the drive letters stand for.
constexpr int kStepsTopicResource = 102;

// The drive's directory when it is there to be written to, else an empty text.
std::string ReadyDriveDirectory(char drive) {
    const std::string directory = DriveDirectory(drive);
    std::error_code error;
    return !directory.empty() && fs::is_directory(SystemPath(directory), error) ? directory
                                                                                : std::string();
}

// "Drive Z: names no disk..." with the letters that do name one, so that the user need not guess
// which letter the stick got.
std::string NoSuchDriveQuestion(char drive) {
    std::string ready;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string directory = ReadyDriveDirectory(letter);
        if (!directory.empty()) {
            ready.append(ready.empty() ? "" : ", ")
                .append(1, letter)
                .append(": (")
                .append(directory)
                .append(")");
        }
    }
    const std::string known = ready.empty()
                                  ? std::string("No letter names a disk or folder just now.")
                                  : "The letters that do: " + ready + ".";
    return FormatText(
        "Drive %c: names no removable disk or folder on this computer. %s\nPlug "
        "the disk in and try again?",
        {std::string(1, drive), known});
}

// "A:Spring_Star_Dance.tvr": how the user knows the target while the letter names nothing.
std::string DriveText(char drive, const std::string& name) {
    return std::string(1, drive) + ":" + name;
}

bool SameDirectory(const std::string& a, const std::string& b) {
    std::error_code error;
    return !a.empty() && !b.empty() && fs::equivalent(SystemPath(a), SystemPath(b), error);
}

// Emptying the drive deletes every file in its directory: it must not be where the program or
// the studio keeps its own files.
bool HoldsOwnFiles(CDatabase& store, const std::string& directory) {
    for (const std::string& own :
         {store.dataFileName, store.setupFileName, SummaryReportPath(store), ProgramPath()}) {
        if (own.empty()) {
            continue;
        }
        const std::string ownDirectory = PathText(fs::absolute(SystemPath(own)).parent_path());
        if (SameDirectory(directory, ownDirectory)) {
            return true;
        }
    }
    return false;
}

// "a.txt, b.pdf and 3 more": the first ten names, so that the question fits on the screen.
std::string NamesText(const CStringList& names) {
    constexpr std::size_t kShown = 10;
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < kShown; ++i) {
        text.append(i == 0 ? "" : ", ").append(names[i]);
    }
    if (names.size() > kShown) {
        text.append(" and ").append(std::to_string(names.size() - kShown)).append(" more");
    }
    return text;
}

// Today's disks carry the studio's own papers and photos beside our files: those go only when
// the user says so. Our own two files are replaced anyway and are not asked about.
bool MayDeleteOthers(CUi& ui, char drive, const std::string& directory, const CStringList& others) {
    if (others.empty()) {
        return true;
    }
    const bool one = others.size() == 1;
    return ui.AskYesNoDefaultNo(
        FormatText(one ? "Drive %c: (%s) holds 1 file: %s. Delete it before copying?"
                       : "Drive %c: (%s) holds %s files: %s. Delete them before copying?",
                   one ? CStringList{std::string(1, drive), directory, NamesText(others)}
                       : CStringList{std::string(1, drive), directory,
                                     std::to_string(others.size()), NamesText(others)}));
}

CStringList Without(const CStringList& names, const CStringList& ours) {
    CStringList rest;
    for (const std::string& name : names) {
        if (std::find(ours.begin(), ours.end(), name) == ours.end()) {
            rest.push_back(name);
        }
    }
    return rest;
}

}  // namespace

void MakeDisketteStep(CDatabase& store) {
    CUi& ui = store.ui;
    if (!SaveAndReview(store)) {
        return;
    }
    CTextDialog drivePrompt("Drive", 1, "A", 'U');
    drivePrompt.fieldLabel = "Drive letter (A is the first removable disk):";
    // The steps' topic tells what the letters stand for, and how a folder can stand for one.
    drivePrompt.helpContext = CDialogModel::HelpContextFor(kStepsTopicResource);
    if (ui.RunDialog(drivePrompt) != IDOK || drivePrompt.text.empty()) {
        return;
    }
    const std::string answer = drivePrompt.text;
    const char drive = answer.front();
    const std::string dataFile = store.dataFileName;
    std::string directory;
    while ((directory = ReadyDriveDirectory(drive)).empty()) {
        // Nothing is deleted or copied until the disk is there; Yes looks again, so that a disk
        // put in meanwhile is found.
        const std::string question =
            DriveDirectory(drive).empty()
                ? NoSuchDriveQuestion(drive)
                : FormatText("Device not ready in copying %s to %s.\nTry again?",
                             {dataFile, DriveText(drive, FileNameOf(dataFile))});
        if (!ui.AskYesNo(question)) {
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

    const CStringList ours = {FileNameOf(dataFile), FileNameOf(SummaryReportPath(store))};
    CStringList onDisk, dates;
    ListFiles(PathText(SystemPath(directory) / "*"), onDisk, dates);
    CStringList deleted;
    if (MayDeleteOthers(ui, drive, directory, Without(onDisk, ours))) {
        DeleteAllFilesOnDrive(ui, drive, &deleted);
    }
    deleted = Without(deleted, ours);
    const int dataCopied =
        CopyFileWithPrompts(ui, dataFile, DrivePath(drive, FileNameOf(dataFile)), 0);
    std::string reportFile;
    // A report that could not be written is not copied: an older one may still lie beside the
    // data file.
    const int reportCopied =
        WriteSummaryReportFile(store, reportFile)
            ? CopyFileWithPrompts(ui, reportFile, DrivePath(drive, FileNameOf(reportFile)), 1)
            : 3;
    // Only when both copies are there: any failure has had its own message.
    if (dataCopied == 0 && reportCopied == 0) {
        const std::string gone = deleted.empty()
                                     ? std::string("Nothing else on the disk was deleted.")
                                     : "Deleted from the disk first: " + NamesText(deleted) + ".";
        ui.ShowInformation(FormatText(
            "The data file and the summary report are on drive %c: (%s):\n%s\n%s\n%s\nPlease "
            "send the disk to the organizer.",
            {std::string(1, drive), directory, FileNameOf(dataFile), FileNameOf(reportFile),
             gone}));
    }
}
