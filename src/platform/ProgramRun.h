#pragma once
// Running another program and waiting for it, without a shell in between, so that no text of
// ours is ever read as a command.
#include <string>
#include <vector>

// The path of the program `name` (a path when it holds "/", else looked up on PATH; on Windows
// with the endings of PATHEXT), or an empty
// text when there is no such executable file.
std::string FindProgram(const std::string& name);

struct CProgramRun {
    int startError = 0;   // errno when the program could not be started, else 0
    int exitStatus = -1;  // its exit status; -1 when it did not exit normally or did not start
};

// Runs `path` with `arguments` (not counting the program's own name) and waits for it to end.
// When `output` is given, it receives what the program writes to its standard output.
CProgramRun RunProgram(const std::string& path, const std::vector<std::string>& arguments,
                       std::string* output = nullptr);
