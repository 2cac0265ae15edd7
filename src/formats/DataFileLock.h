#pragma once
// One program at a time on a studio's data file: a lock file beside it names the process that
// has the studio open, so that a second Tavorin cannot overwrite the first one's work.
#include <memory>
#include <string>

#include "platform/Processes.h"

class CDataFileLock {
public:
    ~CDataFileLock();
    CDataFileLock(const CDataFileLock&) = delete;
    CDataFileLock& operator=(const CDataFileLock&) = delete;

    // Takes the lock of `dataFile`. A lock left by a process that is gone (a crash, a power cut)
    // is taken over. nullptr when a running Tavorin holds it; `holder` then says which ("process
    // 4711 on studio-pc"). Where no lock file can be made (a read-only folder), the studio is
    // opened all the same: nothing can be saved there anyway.
    static std::unique_ptr<CDataFileLock> Take(const std::string& dataFile, std::string& holder);

    static std::string LockPathFor(const std::string& dataFile);

private:
    CDataFileLock(std::string path, std::string content, std::unique_ptr<CLockFile> file);

    std::string path_;     // empty when no lock file could be made
    std::string content_;  // what we wrote, to tell our lock from a successor's
    std::unique_ptr<CLockFile> file_;
};

// What the user is told when `holder` (as Take reported it) has the studio open.
std::string OpenElsewhereMessage(const std::string& dataFile, const std::string& holder);
