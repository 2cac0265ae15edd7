#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "platform/Processes.h"
#include "util/Files.h"

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') {
        return "this-computer";
    }
    return name;
}

long CurrentProcessId() {
    return static_cast<long>(::getpid());
}

std::string BootId() {
    std::string id = ReadFirstLine("/proc/sys/kernel/random/boot_id");
    while (!id.empty() && (id.back() == '\n' || id.back() == '\r')) {
        id.pop_back();
    }
    return id;
}

bool ProcessIsRunning(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

int CLockFile::Create(const std::string& path, const std::string& content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) {
        return errno;
    }
    const bool written =
        ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
    ::close(fd);
    return written ? 0 : EIO;
}

void CLockFile::Close() {}

std::optional<bool> LockFileIsHeld(const std::string&) {
    return std::nullopt;  // a lock file here is not held open: its process tells
}
