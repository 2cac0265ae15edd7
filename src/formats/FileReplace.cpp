#include "formats/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define TAVORIN_HAVE_FSYNC 1
#endif

namespace {

std::string Reason() {
    return std::strerror(errno);
}

// Makes the rename itself durable; a failure here loses nothing that is not already safe.
void SyncDirectoryOf(const std::filesystem::path& file) {
#ifdef TAVORIN_HAVE_FSYNC
    const std::filesystem::path dir = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(dir.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)file;
#endif
}

// The file that gets the bytes. A symbolic link is followed, so that the link stays a link and
// the file it points to (in a synchronised folder, say) is the one replaced. A link whose file is
// gone (its drive not mounted) is replaced like a file, so that the data is still saved.
std::filesystem::path TargetOf(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)) &&
        std::filesystem::exists(path, ec)) {
        const std::filesystem::path resolved = std::filesystem::canonical(path, ec);
        if (!ec) {
            return resolved;
        }
    }
    return path;
}

// The new file takes the access rights of the one it replaces: a studio file that its owner has
// made private (it holds social-security numbers) stays private.
void KeepPermissionsOf(const std::filesystem::path& old, const std::string& replacement) {
    std::error_code ec;
    const auto status = std::filesystem::status(old, ec);
    if (!ec && std::filesystem::exists(status)) {
        std::filesystem::permissions(replacement, status.permissions(),
                                     std::filesystem::perm_options::replace, ec);
    }
}

}  // namespace

std::string ReplacementPathFor(const std::string& path) {
    return path + ".tmp";
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error) {
    const std::filesystem::path target = TargetOf(path);
    const std::string temporary = ReplacementPathFor(target.string());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = Reason();
        return false;
    }
    // Before any byte is written, so the data is never readable by more people than before.
    KeepPermissionsOf(target, temporary);
    bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#ifdef TAVORIN_HAVE_FSYNC
    written = written && ::fsync(::fileno(file)) == 0;
#endif
    if (!written) {
        error = Reason();
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = Reason();
    }
    std::error_code ec;
    if (!written) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        error = ec.message();
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    SyncDirectoryOf(target);
    return true;
}
