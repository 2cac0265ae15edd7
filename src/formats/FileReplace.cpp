#include "formats/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/DiskFiles.h"
#include "util/SystemPath.h"

namespace {

// The file that gets the bytes. A symbolic link is followed, so that the link stays a link and
// the file it points to (in a synchronised folder, say) is the one replaced. A link whose file is
// gone (its drive not mounted) is replaced like a file, so that the data is still saved.
std::filesystem::path TargetOf(const std::string& text) {
    const std::filesystem::path path = SystemPath(text);
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

CSaveFileSystem* current = nullptr;

}  // namespace

int CSaveFileSystem::Create(const std::string& path, std::FILE*& file) {
    file = OpenFile(path, "wb");
    return file == nullptr ? errno : 0;
}

int CSaveFileSystem::Write(std::FILE* file, const char* data, std::size_t size) {
    return std::fwrite(data, 1, size, file) == size ? 0 : (errno != 0 ? errno : EIO);
}

int CSaveFileSystem::Flush(std::FILE* file) {
    return FlushToDisk(file);
}

int CSaveFileSystem::Close(std::FILE* file) {
    return std::fclose(file) == 0 ? 0 : errno;
}

int CSaveFileSystem::Rename(const std::string& from, const std::string& to) {
    return RenameOver(from, to);
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
    std::filesystem::remove(SystemPath(ReplacementPathFor(PathText(TargetOf(path)))), ignored);
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error) {
    CSaveFileSystem& fs = SaveFileSystem();
    const std::filesystem::path target = TargetOf(path);
    const std::string temporary = ReplacementPathFor(PathText(target));
    auto fail = [&error](int code) {
        error = std::strerror(code);
        return false;
    };
    std::FILE* file = nullptr;
    if (const int code = fs.Create(temporary, file)) {
        return fail(code);
    }
    // Before any byte is written, so the data is never readable by more people than before.
    KeepAccessOf(target, temporary);
    int code = fs.Write(file, bytes.data(), bytes.size());
    if (code == 0) {
        code = fs.Flush(file);
    }
    const int closed = fs.Close(file);
    if (code == 0) {
        code = closed;
    }
    if (code == 0) {
        code = fs.Rename(temporary, PathText(target));
    }
    if (code != 0) {
        std::error_code ignored;
        std::filesystem::remove(SystemPath(temporary), ignored);
        return fail(code);
    }
    SyncDirectoryOf(target);
    return true;
}
