#include "platform/DriveMap.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

std::string SystemDriveDirectory(char upper) {
    const std::string user = UserName();
    if (user.empty()) {
        return {};
    }
    const auto volumes = MountedVolumesUnder({"/media/" + user, "/run/media/" + user});
    const size_t position = static_cast<size_t>(upper - 'A');
    return position < volumes.size() ? volumes[position] : std::string();
}
