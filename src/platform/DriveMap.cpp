#include "platform/DriveMap.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string UserName() {
    if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0') {
        return user;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_name != nullptr ? entry->pw_name : "";
}

// A mount point lies on another device than its parent.
bool IsMountPoint(const fs::path& directory) {
    struct stat self {
    }, parent{};
    return ::stat(directory.c_str(), &self) == 0 && S_ISDIR(self.st_mode) &&
           ::stat(directory.parent_path().c_str(), &parent) == 0 && self.st_dev != parent.st_dev;
}

}  // namespace

std::vector<std::string> MountedVolumesUnder(const std::vector<std::string>& roots) {
    std::vector<fs::path> volumes;
    for (const auto& root : roots) {
        std::error_code error;
        for (fs::directory_iterator it(root, error), end; !error && it != end;
             it.increment(error)) {
            if (IsMountPoint(it->path())) {
                volumes.push_back(it->path());
            }
        }
    }
    std::sort(volumes.begin(), volumes.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename() != b.filename() ? a.filename() < b.filename() : a < b;
    });
    std::vector<std::string> result;
    for (const auto& volume : volumes) {
        result.push_back(volume.string());
    }
    return result;
}

std::string DriveDirectory(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (upper < 'A' || upper > 'Z') {
        return {};
    }
    const std::string variable = std::string("TAVORIN_DRIVE_") + upper;
    if (const char* value = std::getenv(variable.c_str()); value != nullptr && *value != '\0') {
        return value;
    }
    const std::string user = UserName();
    if (user.empty()) {
        return {};
    }
    const auto volumes = MountedVolumesUnder({"/media/" + user, "/run/media/" + user});
    const size_t position = static_cast<size_t>(upper - 'A');
    return position < volumes.size() ? volumes[position] : std::string();
}

std::string DrivePath(char letter, const std::string& name) {
    const std::string directory = DriveDirectory(letter);
    return directory.empty() ? std::string() : (fs::path(directory) / name).string();
}
