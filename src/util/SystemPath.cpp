#include "util/SystemPath.h"

#include <cstdlib>

#ifdef _WIN32

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace {

std::wstring Wide(const std::string& text) {
    const auto u8 = std::u8string(text.begin(), text.end());
    return std::filesystem::path(u8).wstring();
}

}  // namespace

std::filesystem::path SystemPath(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// With Windows' own separators: a folder from Qt ("C:/Users/...") joined with a file name would
// otherwise be shown to the user as "C:/Users/...\file.tvr".
std::string PathText(const std::filesystem::path& path) {
    const std::u8string u8 = std::filesystem::path(path).make_preferred().u8string();
    return std::string(u8.begin(), u8.end());
}

namespace {

// A text of the system's, which need not be a path, in UTF-8.
std::string Utf8(const wchar_t* text) {
    const std::u8string u8 = std::filesystem::path(text).u8string();
    return std::string(u8.begin(), u8.end());
}

}  // namespace

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return ::_wfopen(Wide(path).c_str(), Wide(mode).c_str());
}

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide != nullptr && i < count; ++i) {
        arguments.push_back(Utf8(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

std::string EnvironmentValue(const char* name) {
    const wchar_t* value = ::_wgetenv(Wide(name).c_str());
    return value == nullptr ? std::string() : Utf8(value);
}

#else

std::filesystem::path SystemPath(const std::string& text) {
    return std::filesystem::path(text);
}

std::string PathText(const std::filesystem::path& path) {
    return path.string();
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : value;
}

#endif
