// Emptying a removable disk and copying the studio's files onto it, with the user's answers to
// every failure.
#include "delivery/RemovableDisk.h"

#include <cerrno>
#include <filesystem>

#include "platform/DriveMap.h"
#include "platform/SystemError.h"
#include "platform/Ui.h"
#include "util/Files.h"
#include "util/SystemPath.h"

namespace fs = std::filesystem;

namespace {

enum class CopyFailure {
    FileExists,
    DiskFull,
    FileNotFound,
    PathNotFound,
    AccessDenied,
    DeviceNotReady,
    Other
};

CopyFailure Classify(const std::error_code& error, bool sourceExists) {
    switch (ErrnoOf(error)) {
        case EEXIST:
            return CopyFailure::FileExists;
        case ENOSPC:
#ifdef EDQUOT  // not on Windows
        case EDQUOT:
#endif
            return CopyFailure::DiskFull;
        case ENOENT:
            return sourceExists ? CopyFailure::PathNotFound : CopyFailure::FileNotFound;
        case ENOTDIR:
            return CopyFailure::PathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:  // a write-protected disk
            return CopyFailure::AccessDenied;
#ifdef ENOMEDIUM
        case ENOMEDIUM:
#endif
        case ENXIO:
        case ENODEV:
            return CopyFailure::DeviceNotReady;
        default:
            return CopyFailure::Other;
    }
}

}  // namespace

int DeleteAllFilesOnDrive(CUi& ui, char drive, std::vector<std::string>* deleted) {
    CWaitCursor wait(ui);
    const std::string directory = DriveDirectory(drive);
    if (directory.empty()) {
        return 0;
    }
    CStringList names, dates;
    ListFiles(PathText(SystemPath(directory) / "*"), names, dates);
    int result = 1;
    for (const auto& name : names) {
        std::error_code error;
        if (!fs::remove(SystemPath(directory) / SystemPath(name), error) || error) {
            result = 0;
        } else if (deleted != nullptr) {
            deleted->push_back(name);
        }
    }
    return result;
}

int CopyFileWithPrompts(CUi& ui, const std::string& source, const std::string& target,
                        int askOverwrite) {
    return CopyFileWithPrompts(ui, source, target, askOverwrite,
                               [&] { return CopyOverPlainFile(source, target); });
}

std::error_code CopyOverPlainFile(const std::string& source, const std::string& target) {
    std::error_code error;
    if (IsPlainFile(target)) {
        fs::remove(SystemPath(target), error);
    }
    fs::copy_file(SystemPath(source), SystemPath(target), fs::copy_options::overwrite_existing,
                  error);
    return error;
}

int CopyFileWithPrompts(CUi& ui, const std::string& source, const std::string& target,
                        int askOverwrite, const CCopyAttempt& attempt) {
    if (!FileExists(source)) {
        ui.ShowMessage(FormatText("File %s does not exist.", {source}));
        return 3;
    }
    const std::string overwrite = FormatText("File %s exists.\n Overwrite?", {target});
    if (FileExists(target) && askOverwrite == 1 && !ui.AskYesNo(overwrite)) {
        return 1;
    }
    std::error_code error;
    const fs::path sourcePath = SystemPath(source);
    const fs::path targetPath = SystemPath(target);
    if (fs::equivalent(sourcePath, targetPath, error)) {
        return 0;  // already there; removing the target would remove the only copy
    }
    CWaitCursor wait(ui);
    if (IsPlainFile(target) || fs::is_symlink(fs::symlink_status(targetPath, error))) {
        fs::remove(targetPath, error);
    }
    const bool targetCleared = !fs::exists(fs::symlink_status(targetPath, error));
    int result = 0;
    while (const std::error_code failure = attempt()) {
        const std::string code = std::to_string(ErrnoOf(failure));
        switch (Classify(failure, IsPlainFile(source))) {
            case CopyFailure::FileExists:
                result = ui.AskYesNo(overwrite) ? 0 : 1;
                break;
            case CopyFailure::DiskFull:
                result = ui.AskYesNo("Disk is full.\nChange it and try again?") ? 0 : 2;
                break;
            case CopyFailure::FileNotFound:
                ui.ShowMessage(FormatText("File not found in copying %s to %s.", {source, target}));
                result = 3;
                break;
            case CopyFailure::PathNotFound:
                ui.ShowMessage(FormatText("Path not found in copying %s to %s.", {source, target}));
                result = 3;
                break;
            case CopyFailure::AccessDenied:
                result = ui.AskYesNo(FormatText("Access denied in copying %s to %s.\nTry again?",
                                                {source, target}))
                             ? 0
                             : 2;
                break;
            case CopyFailure::DeviceNotReady:
                result = ui.AskYesNo(FormatText("Device not ready in copying %s to %s.\nTry again?",
                                                {source, target}))
                             ? 0
                             : 2;
                break;
            case CopyFailure::Other:
                result = ui.AskYesNo(FormatText("Error %i in copying %s to %s.\nTry again?",
                                                {code, source, target}))
                             ? 0
                             : 3;
                break;
        }
        if (result != 0) {
            break;
        }
    }
    if ((result == 2 || result == 3) && targetCleared && IsPlainFile(target)) {
        fs::remove(targetPath, error);  // what a failed copy left behind is no copy
    }
    return result;
}
