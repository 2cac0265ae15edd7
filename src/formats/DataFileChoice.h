#pragma once
// Finding the studio data file that belongs to a setup file at start-up.
#include <string>

#include "util/Text.h"

class CUi;

// The paths of the data files matching `pattern` (the setup file's path with ".stu" replaced by
// "*.tvr"), in name order. Files of another competition whose name merely starts alike
// ("FallClassic_*.tvr" for "Fall*.tvr") are not matches.
CStringList DataFilesOfCompetition(const std::string& pattern);

// The studio name on the file's first line (its field 1), or empty.
std::string ReadStudioNameOfFile(const std::string& path);

// Moves an old data file (the setup file's path with ".stu" replaced by ".txt") to the name the
// program uses now: "Fall.txt" of the studio Star Dance becomes "Fall_Star_Dance.tvr". A data file
// already there is never overwritten; the user is told, and the old file stays.
void RenameLegacyDataFile(CUi& ui, const std::string& legacyPath);
