#pragma once
// Finding the studio data file that belongs to a setup file at start-up.
#include <string>

class CUi;

// The data files matching `pattern` (the setup file's path with ".stu" replaced by "*.tvr"): none
// gives an empty result, one gives its path, several are offered in the list dialog "Select" by
// their studio names (by path when a file has none); Cancel gives an empty result. Files of
// another competition whose name merely starts alike ("FallClassic_*.tvr" for "Fall*.tvr") are
// not matches.
std::string ChooseDataFile(CUi& ui, const std::string& pattern);

// The studio name on the file's first line (its field 1), or empty.
std::string ReadStudioNameOfFile(const std::string& path);

// Moves an old data file (the setup file's path with ".stu" replaced by ".txt") to the name the
// program uses now: "Fall.txt" of the studio Star Dance becomes "Fall_Star_Dance.tvr". A data file
// already there is never overwritten; the user is told, and the old file stays.
void RenameLegacyDataFile(CUi& ui, const std::string& legacyPath);
