#include <io.h>
#include <windows.h>

#include <cerrno>

#include "platform/DiskFiles.h"
#include "platform/SystemError.h"
#include "util/SystemPath.h"

int FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return errno;
    }
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    return handle == INVALID_HANDLE_VALUE || !::FlushFileBuffers(handle) ? ErrnoOf(::GetLastError())
                                                                         : 0;
}

int RenameOver(const std::string& from, const std::string& to) {
    if (!::MoveFileExW(SystemPath(from).wstring().c_str(), SystemPath(to).wstring().c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ErrnoOf(::GetLastError());
    }
    return 0;
}

// MOVEFILE_WRITE_THROUGH has made the rename durable already.
void SyncDirectoryOf(const std::filesystem::path&) {}

// A hidden or archived studio file stays so. A read-only one is not replaced at all: the rename
// is refused, as the user asked.
void KeepAccessOf(const std::filesystem::path& old, const std::string& replacement) {
    const DWORD attributes = ::GetFileAttributesW(old.wstring().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    ::SetFileAttributesW(SystemPath(replacement).wstring().c_str(),
                         kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
}
