#pragma once
// What every fuzz target needs: a user interface that answers nothing, and scratch files.
#include <unistd.h>

#include <string>

#include "support/SilentUi.h"

// A file of this process, in memory where the system offers it: the targets write one per input.
inline std::string ScratchPath(const std::string& target, const std::string& name) {
    const char* folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/" + target + "." + std::to_string(::getpid()) + "." + name;
}
