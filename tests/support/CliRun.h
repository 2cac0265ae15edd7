#pragma once
// Runs the command-line tool as a user would, capturing what it prints.
#include <string>

struct CRun {
    int status;
    std::string out;
    std::string err;
};

// Runs tavorin-cli with `arguments` (already quoted for the shell).
CRun RunCli(const std::string& arguments);
