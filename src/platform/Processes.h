#pragma once
// What the studio lock asks of the system: who we are, whether a process still runs, and a lock
// file that is made only when it is not there yet.
#include <optional>
#include <string>

std::string HostName();  // "this-computer" when the system does not tell it
long CurrentProcessId();
// Changes with every start of the computer; empty where the system does not tell it.
std::string BootId();
// Whether the process `pid` of this computer still runs.
bool ProcessIsRunning(long pid);
// Whether the lock file at `path` is still held by the program that made it: known on Windows,
// where CLockFile keeps it open, so that a number the system gave to another program since a
// crash does not keep the studio locked; not known elsewhere.
std::optional<bool> LockFileIsHeld(const std::string& path);

// A lock file made new with its content. On Windows it stays open, shared for reading only, as
// long as the object lives, so that no other program can write or remove it meanwhile.
class CLockFile {
public:
    CLockFile() = default;
    ~CLockFile() { Close(); }
    CLockFile(const CLockFile&) = delete;
    CLockFile& operator=(const CLockFile&) = delete;

    // 0 when made, EEXIST when the file is there already, else another errno value.
    int Create(const std::string& path, const std::string& content);
    void Close();

private:
    void* handle_ = nullptr;  // Windows' handle while it is held
};
