#include <windows.h>

#include <cerrno>

#include "platform/Processes.h"
#include "util/SystemPath.h"

std::string HostName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!::GetComputerNameW(name, &size) || size == 0) {
        return "this-computer";
    }
    return PathText(std::filesystem::path(std::wstring(name, size)));
}

long CurrentProcessId() {
    return static_cast<long>(::GetCurrentProcessId());
}

// A restart closes every handle, and a running Tavorin holds its lock file open
// (LockFileIsHeld): whether a lock is stale is told without the computer's start.
std::string BootId() {
    return {};
}

bool ProcessIsRunning(long pid) {
    HANDLE process =
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        // A process of another user that we may not ask is there all the same.
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD status = 0;
    const bool running = ::GetExitCodeProcess(process, &status) && status == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

std::optional<bool> LockFileIsHeld(const std::string& path) {
    // Its maker shares it for reading only: opening it for writing fails while it is held.
    HANDLE file = ::CreateFileW(SystemPath(path).wstring().c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
        return false;
    }
    if (::GetLastError() == ERROR_SHARING_VIOLATION) {
        return true;
    }
    return std::nullopt;
}

int CLockFile::Create(const std::string& path, const std::string& content) {
    Close();
    HANDLE file = ::CreateFileW(SystemPath(path).wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        // A lock file held open by a running Tavorin cannot even be opened.
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                       error == ERROR_SHARING_VIOLATION
                   ? EEXIST
                   : EACCES;
    }
    DWORD written = 0;
    const bool whole =
        ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    ::FlushFileBuffers(file);
    handle_ = file;
    return whole ? 0 : EIO;
}

void CLockFile::Close() {
    if (handle_ != nullptr) {
        ::CloseHandle(static_cast<HANDLE>(handle_));
        handle_ = nullptr;
    }
}
