#pragma once
// The competitions opened last, which the main window's File menu offers again: most recent
// first, each once, at most five, and only those whose setup file is still there.
#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t kMostRecentCompetitions = 5;

// `recent` after `setupPath` was opened: it comes first, an earlier mention of the same file
// goes, and so do files that no longer exist and those beyond the fifth.
std::vector<std::string> WithCompetitionOpened(const std::vector<std::string>& recent,
                                               const std::string& setupPath);

// `recent` without the files that no longer exist (or are empty names).
std::vector<std::string> WithoutMissingFiles(const std::vector<std::string>& recent);

// The form in which a setup path is kept: absolute and without "." or "..", so that one file
// named two ways is still one line.
std::string KeptPathOf(const std::string& setupPath);
