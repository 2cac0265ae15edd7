#include "shell/RecentCompetitions.h"

#include <algorithm>
#include <filesystem>

#include "util/SystemPath.h"

std::string KeptPathOf(const std::string& setupPath) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(SystemPath(setupPath), error);
    return PathText((error ? SystemPath(setupPath) : absolute).lexically_normal());
}

std::vector<std::string> WithoutMissingFiles(const std::vector<std::string>& recent) {
    std::vector<std::string> kept;
    for (const std::string& path : recent) {
        std::error_code error;
        if (!path.empty() && std::filesystem::exists(SystemPath(path), error)) {
            kept.push_back(path);
        }
    }
    return kept;
}

std::vector<std::string> WithCompetitionOpened(const std::vector<std::string>& recent,
                                               const std::string& setupPath) {
    const std::string opened = KeptPathOf(setupPath);
    std::vector<std::string> updated{opened};
    for (const std::string& path : WithoutMissingFiles(recent)) {
        const std::string kept = KeptPathOf(path);
        if (updated.size() < kMostRecentCompetitions &&
            std::find(updated.begin(), updated.end(), kept) == updated.end()) {
            updated.push_back(kept);
        }
    }
    return updated;
}
