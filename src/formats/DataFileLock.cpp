#include "formats/DataFileLock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <sstream>

#include "util/Files.h"

namespace {

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') {
        return "this-computer";
    }
    return name;
}

// Changes with every start of the computer; empty where the system does not tell it.
std::string BootId() {
    std::string id = ReadFirstLine("/proc/sys/kernel/random/boot_id");
    while (!id.empty() && (id.back() == '\n' || id.back() == '\r')) {
        id.pop_back();
    }
    return id;
}

// "pid host [boot]": a lock whose text cannot be read belonged to nobody still running.
bool HolderIsRunning(const std::string& content) {
    std::istringstream in(content);
    long pid = 0;
    std::string host;
    if (!(in >> pid >> host) || pid <= 0) {
        return false;
    }
    if (host != HostName()) {
        return true;  // another computer's process cannot be asked; it is trusted to be there
    }
    // After a restart of the computer the number may belong to some other program.
    std::string boot;
    if (const std::string now = BootId(); in >> boot && !now.empty() && boot != now) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string Describe(const std::string& content) {
    std::istringstream in(content);
    std::string pid;
    std::string host;
    in >> pid >> host;
    return "process " + pid + " on " + host;
}

// 0 when made, else the errno of the attempt.
int CreateExclusively(const std::string& path, const std::string& content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) {
        return errno;
    }
    const bool written =
        ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
    ::close(fd);
    return written ? 0 : EIO;
}

}  // namespace

CDataFileLock::CDataFileLock(std::string path, std::string content)
    : path_(std::move(path)), content_(std::move(content)) {}

CDataFileLock::~CDataFileLock() {
    // A lock that another program took over after ours was judged stale stays theirs.
    if (!path_.empty() && ReadFirstLine(path_) == content_) {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
}

std::string CDataFileLock::LockPathFor(const std::string& dataFile) {
    return dataFile + ".lock";
}

std::unique_ptr<CDataFileLock> CDataFileLock::Take(const std::string& dataFile,
                                                   std::string& holder) {
    const std::string path = LockPathFor(dataFile);
    std::string content = std::to_string(::getpid()) + " " + HostName();
    if (const std::string boot = BootId(); !boot.empty()) {
        content += " " + boot;
    }
    content += "\n";
    // Twice at most: once more after removing a lock whose holder is gone.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int error = CreateExclusively(path, content);
        if (error == 0) {
            return std::unique_ptr<CDataFileLock>(new CDataFileLock(path, content));
        }
        if (error != EEXIST) {
            return std::unique_ptr<CDataFileLock>(new CDataFileLock({}, {}));
        }
        const std::string existing = ReadFirstLine(path);
        if (HolderIsRunning(existing)) {
            holder = Describe(existing);
            return nullptr;
        }
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    holder = Describe(ReadFirstLine(path));
    return nullptr;
}

std::string OpenElsewhereMessage(const std::string& dataFile, const std::string& holder) {
    return "The studio data file " + dataFile + " is open in another Tavorin (" + holder +
           "). Please close it there first; this Tavorin leaves the file as it is.";
}
