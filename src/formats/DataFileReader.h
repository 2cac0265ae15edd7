#pragma once
// Reading the studio data file back into the store at start-up.

class CDatabase;

#include <string>

// Reads the store's dataFileName into its (empty) studio side. false when the file cannot be
// opened or read to its end; `whyNot` then says why.
bool ReadDataFile(CDatabase& store, std::string* whyNot = nullptr);
