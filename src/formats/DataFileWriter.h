#pragma once
// The studio data file as written: CR LF line ends, a separator after every field.
#include <string>

#include "util/Dates.h"

class CDatabase;

// Writes the whole studio side to `path` (callers pass the store's dataFileName). The file is
// replaced only once the new one is complete; a failure is shown to the user and returns false,
// the old file staying as it was. No studio: "Error - no studio", nothing written, false.
bool WriteDataFile(CDatabase& store, const std::string& path);
// The sub-records as written, each field followed by the separator.
std::string FormatStudioRecord(const CDatabase& store, int studioNumber);
std::string FormatPersonRecord(const CDatabase& store, int personNumber);

// A date-time stamp as the file carries it: month.day.year.hour.minute.second.
std::string FormatDateStamp(DATE date);
DATE ParseDateStamp(const std::string& text);

// A text value as it may stand in a field: the separators "|", ";" and TAB, CR and LF would
// shift every later field for whoever reads the file, and a NUL byte ends the line for a reader
// of C strings, so each of them becomes a blank.
std::string FieldSafeText(const std::string& text);

// The message shown when the data file could not be saved; it speaks of the previous copy only
// when there was one.
std::string DataFileNotSavedMessage(const std::string& path, const std::string& reason,
                                    bool hadPreviousCopy);
