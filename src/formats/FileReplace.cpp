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

CSaveFileSystem* current = nullptr;

}  // namespace

int CSaveFileSystem::Create(const std::string& path, std::FILE*& file) {
    file = std::fopen(path.c_str(), "wb");
    return file == nullptr ? errno : 0;
}

int CSaveFileSystem::Write(std::FILE* file, const char* data, std::size_t size) {
    return std::fwrite(data, 1, size, file) == size ? 0 : (errno != 0 ? errno : EIO);
}

int CSaveFileSystem::Flush(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return errno;
    }
#ifdef TAVORIN_HAVE_FSYNC
    if (::fsync(::fileno(file)) != 0) {
        return errno;
    }
#endif
    return 0;
}

int CSaveFileSystem::Close(std::FILE* file) {
    return std::fclose(file) == 0 ? 0 : errno;
}

int CSaveFileSystem::Rename(const std::string& from, const std::string& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return ec.value();
}

CSaveFileSystem& SaveFileSystem() {
    static CSaveFileSystem real;
    return current != nullptr ? *current : real;
}

CSaveFileSystemOverride::CSaveFileSystemOverride(CSaveFileSystem& fileSystem) : previous_(current) {
    current = &fileSystem;
}

CSaveFileSystemOverride::~CSaveFileSystemOverride() {
    current = previous_;
}

std::string ReplacementPathFor(const std::string& path) {
    return path + ".tmp";
}

void RemoveLeftoverReplacement(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(ReplacementPathFor(TargetOf(path).string()), ignored);
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error) {
    CSaveFileSystem& fs = SaveFileSystem();
    const std::filesystem::path target = TargetOf(path);
    const std::string temporary = ReplacementPathFor(target.string());
    auto fail = [&error](int code) {
        error = std::strerror(code);
        return false;
    };
    std::FILE* file = nullptr;
    if (const int code = fs.Create(temporary, file)) {
        return fail(code);
    }
    // Before any byte is written, so the data is never readable by more people than before.
    KeepPermissionsOf(target, temporary);
    int code = fs.Write(file, bytes.data(), bytes.size());
    if (code == 0) {
        code = fs.Flush(file);
    }
    const int closed = fs.Close(file);
    if (code == 0) {
        code = closed;
    }
    if (code == 0) {
        code = fs.Rename(temporary, target.string());
    }
    if (code != 0) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return fail(code);
    }
    SyncDirectoryOf(target);
    return true;
}
