#pragma once
// The studio's own data: editing it, and creating the first studio with its data file.
#include <string>

class CDatabase;

// Runs the studio dialog on the first studio and writes the data file after OK; without a
// studio only "Error - no studio".
void EditStudioData(CDatabase& store);
// Asks for a new studio; on OK appends it, names the data file after it and writes the file.
// 1 when a studio was created, 0 when the user cancelled.
int NewStudio(CDatabase& store);
// The data file a studio of that name gets beside the setup file.
std::string DataFileNameForStudio(const CDatabase& store, const std::string& studioName);
