#include <windows.h>

#include <cerrno>
#include <filesystem>

#include "platform/ProgramRun.h"
#include "platform/SystemError.h"
#include "util/SystemPath.h"

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The program as named, or with one of PATHEXT's endings (".EXE", ".CMD", ...).
std::string WithProgramEnding(const fs::path& candidate) {
    if (candidate.has_extension() && IsFile(candidate)) {
        return PathText(candidate);
    }
    std::string endings = EnvironmentValue("PATHEXT");
    if (endings.empty()) {
        endings = ".COM;.EXE;.BAT;.CMD";
    }
    size_t start = 0;
    while (start <= endings.size()) {
        size_t end = endings.find(';', start);
        if (end == std::string::npos) {
            end = endings.size();
        }
        fs::path withEnding = candidate;
        withEnding += SystemPath(endings.substr(start, end - start));
        if (end > start && IsFile(withEnding)) {
            return PathText(withEnding);
        }
        start = end + 1;
    }
    return {};
}

// One argument as the C runtime of the started program splits it again: quoted when it holds a
// blank or a quote, a quote escaped, and the backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

}  // namespace

std::string FindProgram(const std::string& name) {
    if (name.empty()) {
        return {};
    }
    if (name.find_first_of("/\\:") != std::string::npos) {
        return WithProgramEnding(SystemPath(name));
    }
    const std::string directories = EnvironmentValue("PATH");
    size_t start = 0;
    while (start <= directories.size()) {
        size_t end = directories.find(';', start);
        if (end == std::string::npos) {
            end = directories.size();
        }
        const std::string directory = directories.substr(start, end - start);
        if (!directory.empty()) {
            if (std::string found = WithProgramEnding(SystemPath(directory) / SystemPath(name));
                !found.empty()) {
                return found;
            }
        }
        start = end + 1;
    }
    return {};
}

CProgramRun RunProgram(const std::string& path, const std::vector<std::string>& arguments,
                       std::string* output) {
    CProgramRun run;
    const std::wstring program = SystemPath(path).wstring();
    std::wstring commandLine = Quoted(program);
    for (const auto& argument : arguments) {
        commandLine += L" " + Quoted(SystemPath(argument).wstring());
    }
    // The longest command line Windows takes.
    if (commandLine.size() >= 32767) {
        run.startError = E2BIG;
        return run;
    }
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (output != nullptr) {
        if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
            run.startError = ErrnoOf(::GetLastError());
            return run;
        }
        ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = writeEnd;
        startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION process{};
    const BOOL started =
        ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, output != nullptr,
                         0, nullptr, nullptr, &startup, &process);
    if (!started) {
        // A command line too long for Windows is a text too long, as on other systems.
        const DWORD error = ::GetLastError();
        run.startError = error == ERROR_FILENAME_EXCED_RANGE ? E2BIG : ErrnoOf(error);
    }
    if (output != nullptr) {
        ::CloseHandle(writeEnd);
        char buffer[4096];
        DWORD count = 0;
        while (started && ::ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) &&
               count > 0) {
            output->append(buffer, count);
        }
        ::CloseHandle(readEnd);
    }
    if (!started) {
        return run;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    if (::GetExitCodeProcess(process.hProcess, &status)) {
        run.exitStatus = static_cast<int>(status);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return run;
}
