#pragma once
// Reading the studio data file back into the store at start-up.

#include <string>

#include "formats/DataFileMergeLookup.h"

class CDatabase;

// Reads the store's dataFileName into its (empty) studio side. false when the file cannot be
// opened or read to its end; `whyNot` then says why. The merges find the records through
// indexes built for this read; the plain scan gives the same store, only slower.
bool ReadDataFile(CDatabase& store, std::string* whyNot = nullptr,
                  CMergeLookupMode lookupMode = CMergeLookupMode::kIndexed);
// What the user is told when the file's last line `lineNumber` has no line end: the reader
// keeps the lines before it and leaves that one out.
std::string DataFileCutMessage(const std::string& path, int lineNumber);
// The same without making the file writable first: for a file that is only looked into (another
// competition's studio), whose access rights stay as they are.
bool ReadDataFileAsIs(CDatabase& store, std::string* whyNot = nullptr,
                      CMergeLookupMode lookupMode = CMergeLookupMode::kIndexed);
