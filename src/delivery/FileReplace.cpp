#include "delivery/FileReplace.h"

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

}  // namespace

std::string ReplacementPathFor(const std::string& path) {
    return path + ".tmp";
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string temporary = ReplacementPathFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = Reason();
        return false;
    }
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
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = ec.message();
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    SyncDirectoryOf(path);
    return true;
}
