#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/DiskFiles.h"

int FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return errno;
    }
    return ::fsync(::fileno(file)) != 0 ? errno : 0;
}

int RenameOver(const std::string& from, const std::string& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return ec.value();
}

void SyncDirectoryOf(const std::filesystem::path& file) {
    const std::filesystem::path dir = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(dir.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void KeepAccessOf(const std::filesystem::path& old, const std::string& replacement) {
    std::error_code ec;
    const auto status = std::filesystem::status(old, ec);
    if (!ec && std::filesystem::exists(status)) {
        std::filesystem::permissions(replacement, status.permissions(),
                                     std::filesystem::perm_options::replace, ec);
    }
}
