#pragma once
// Paths are UTF-8 texts inside the program; they take the system's own form only at its calls
// (wide strings on Windows), so that a folder named "Tänze" works everywhere.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

std::filesystem::path SystemPath(const std::string& text);
std::string PathText(const std::filesystem::path& path);

// std::fopen of a UTF-8 path.
std::FILE* OpenFile(const std::string& path, const char* mode);

// The program's arguments in UTF-8, its own name first (on Windows as the system has them, not
// in the code page's letters that argv holds).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The environment variable's value in UTF-8, or an empty text when it is not set.
std::string EnvironmentValue(const char* name);
