#pragma once
// The person list's "Import..." and "Export...": the file dialog, the work, and what the user
// is told.
#include <string>

class CDatabase;

// Asks for a studio data file or a CSV roster, imports its persons, saves and shows the
// summary. true when anyone was added.
bool ImportPersonsAsked(CDatabase& store);
// Asks where to write the roster and writes it; the user is told how it went.
void ExportPersonsAsked(CDatabase& store);

// Writes the roster to `path` (whole or not at all); false with the reason in `whyNot`.
bool ExportPersons(const CDatabase& store, const std::string& path, std::string& whyNot);
