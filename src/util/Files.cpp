#include "util/Files.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "util/LineReader.h"
#include "util/SystemPath.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr const char* kSeparators = "\\/";
#else
constexpr const char* kSeparators = "/";
#endif

bool IsPlainPath(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The plain files that match, in name order ignoring case.
std::vector<fs::path> Matches(const std::string& pattern) {
    const std::string namePattern = FileNameOf(pattern);
    if (!IsWildcardPattern(namePattern)) {
        if (!pattern.empty() && IsPlainPath(SystemPath(pattern))) {
            return {SystemPath(pattern)};
        }
        return {};
    }
    const auto separator = pattern.find_last_of(kSeparators);
    const fs::path directory = separator == std::string::npos
                                   ? fs::path(".")
                                   : SystemPath(pattern.substr(0, separator + 1));
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = PathText(it->path().filename());
        if (MatchesPattern(name, namePattern) && IsPlainPath(it->path())) {
            found.push_back(separator == std::string::npos ? SystemPath(name) : it->path());
        }
    }
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        const std::string left = ToUpperAscii(a.filename().string());
        const std::string right = ToUpperAscii(b.filename().string());
        return left != right ? left < right : a.filename() < b.filename();
    });
    return found;
}

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
           static_cast<char>('0' + value % 10);
}

// "%a, %b %d, %Y %I:%M %p" with English names whatever the locale, as the organizers expect.
std::string FormatListDate(const fs::file_time_type& time) {
    static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                         "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(time));
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return {};
    }
    const int hour12 = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
    return std::string(kDays[local.tm_wday % 7]) + ", " + kMonths[local.tm_mon % 12] + " " +
           TwoDigits(local.tm_mday) + ", " + std::to_string(local.tm_year + 1900) + " " +
           TwoDigits(hour12) + ":" + TwoDigits(local.tm_min) + " " +
           (local.tm_hour < 12 ? "AM" : "PM");
}

}  // namespace

bool IsWildcardPattern(const std::string& pattern) {
    return pattern.find_first_of("*?") != std::string::npos;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    const std::string text = ToUpperAscii(name);
    const std::string wild = pattern == "*.*" ? "*" : ToUpperAscii(pattern);
    // Greedy matching with one back-tracking point: the last "*" seen.
    size_t t = 0, w = 0, starW = std::string::npos, starT = 0;
    while (t < text.size()) {
        if (w < wild.size() && (wild[w] == '?' || wild[w] == text[t])) {
            ++t;
            ++w;
        } else if (w < wild.size() && wild[w] == '*') {
            starW = w++;
            starT = t;
        } else if (starW != std::string::npos) {
            w = starW + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (w < wild.size() && wild[w] == '*') {
        ++w;
    }
    return w == wild.size();
}

bool IsPlainFile(const std::string& path) {
    return IsPlainPath(SystemPath(path));
}

int FileExists(const std::string& pathOrPattern) {
    return Matches(pathOrPattern).empty() ? 0 : 1;
}

std::uintmax_t FileSizeOf(const std::string& pathOrPattern) {
    const auto found = Matches(pathOrPattern);
    if (found.empty()) {
        return 0;
    }
    std::error_code error;
    const auto size = fs::file_size(found.front(), error);
    return error ? 0 : size;
}

int ListFiles(const std::string& pattern, CStringList& names, CStringList& dates) {
    const auto found = Matches(pattern);
    for (const auto& path : found) {
        std::error_code error;
        const auto time = fs::last_write_time(path, error);
        names.push_back(PathText(path.filename()));
        dates.push_back(error ? std::string() : FormatListDate(time));
    }
    return found.empty() ? 0 : static_cast<int>(names.size());
}

std::string DirectoryOf(const std::string& path) {
    std::string unquoted;
    std::copy_if(path.begin(), path.end(), std::back_inserter(unquoted),
                 [](char c) { return c != '"'; });
    const auto separator = unquoted.find_last_of(kSeparators);
    return separator == std::string::npos ? std::string() : unquoted.substr(0, separator);
}

std::string FileNameOf(const std::string& path) {
    const auto separator = path.find_last_of(kSeparators);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ProgramPath() {
#ifdef _WIN32
    std::wstring name(32768, L'\0');
    const DWORD length =
        ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    name.resize(length < name.size() ? length : 0);
    return PathText(fs::path(name));
#endif
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

std::string ReadFirstLine(const std::string& path) {
    CLineReader reader(path);
    std::string line;
    reader.ReadPiece(line);
    return line;
}

int WriteLines(const std::string& path, const CStringList& lines, const char* lineEnd) {
    // Binary, so that the line ends are written as given on every system.
    std::ofstream out(SystemPath(path), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!out) {
        return 0;
    }
    for (const auto& line : lines) {
        out << line << lineEnd;
    }
    out.close();
    return out ? 1 : 0;
}
