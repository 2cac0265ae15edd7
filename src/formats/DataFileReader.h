#pragma once
// Reading the studio data file back into the store at start-up.

class CDatabase;

// Reads the store's dataFileName into its (empty) studio side. false when the file cannot be
// opened.
bool ReadDataFile(CDatabase& store);
