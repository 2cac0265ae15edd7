#include "formats/DataFileLock.h"

#include <cerrno>
#include <filesystem>
#include <sstream>

#include "platform/Processes.h"
#include "util/Files.h"
#include "util/SystemPath.h"

namespace {

// "pid host [boot]": a lock whose text cannot be read belonged to nobody still running.
bool HolderIsRunning(const std::string& path, const std::string& content) {
    std::istringstream in(content);
    long pid = 0;
    std::string host;
    if (!(in >> pid >> host) || pid <= 0) {
        return false;
    }
    if (host != HostName()) {
        return true;  // another computer's process cannot be asked; it is trusted to be there
    }
    if (const std::optional<bool> held = LockFileIsHeld(path)) {
        return *held;
    }
    // After a restart of the computer the number may belong to some other program.
    std::string boot;
    if (const std::string now = BootId(); in >> boot && !now.empty() && boot != now) {
        return false;
    }
    return ProcessIsRunning(pid);
}

std::string Describe(const std::string& content) {
    std::istringstream in(content);
    std::string pid;
    std::string host;
    in >> pid >> host;
    return "process " + pid + " on " + host;
}

}  // namespace

CDataFileLock::CDataFileLock(std::string path, std::string content, std::unique_ptr<CLockFile> file)
    : path_(std::move(path)), content_(std::move(content)), file_(std::move(file)) {}

CDataFileLock::~CDataFileLock() {
    if (file_ != nullptr) {
        file_->Close();
    }
    // A lock that another program took over after ours was judged stale stays theirs.
    if (!path_.empty() && ReadFirstLine(path_) == content_) {
        std::error_code ignored;
        std::filesystem::remove(SystemPath(path_), ignored);
    }
}

std::string CDataFileLock::LockPathFor(const std::string& dataFile) {
    return dataFile + ".lock";
}

std::unique_ptr<CDataFileLock> CDataFileLock::Take(const std::string& dataFile,
                                                   std::string& holder) {
    const std::string path = LockPathFor(dataFile);
    std::string content = std::to_string(CurrentProcessId()) + " " + HostName();
    if (const std::string boot = BootId(); !boot.empty()) {
        content += " " + boot;
    }
    content += "\n";
    // Twice at most: once more after removing a lock whose holder is gone.
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto file = std::make_unique<CLockFile>();
        const int error = file->Create(path, content);
        if (error == 0) {
            return std::unique_ptr<CDataFileLock>(
                new CDataFileLock(path, content, std::move(file)));
        }
        if (error != EEXIST) {
            return std::unique_ptr<CDataFileLock>(new CDataFileLock({}, {}, nullptr));
        }
        const std::string existing = ReadFirstLine(path);
        if (HolderIsRunning(path, existing)) {
            holder = Describe(existing);
            return nullptr;
        }
        std::error_code ignored;
        std::filesystem::remove(SystemPath(path), ignored);
    }
    holder = Describe(ReadFirstLine(path));
    return nullptr;
}

std::string OpenElsewhereMessage(const std::string& dataFile, const std::string& holder) {
    return "The studio data file " + dataFile + " is open in another Tavorin (" + holder +
           "). Please close it there first; this Tavorin leaves the file as it is.";
}
