#pragma once
// Which of the studios of this competition to open at start-up.
#include <string>

class CUi;

// The data files of the competition (see DataFilesOfCompetition): none gives an empty result,
// one gives its path, several are offered in the list dialog "Select" by their studio names (by
// path when a file has none); Cancel gives an empty result.
std::string ChooseDataFile(CUi& ui, const std::string& pattern);
