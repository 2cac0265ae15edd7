#pragma once
// Changes to the stored entries that are saved at once.

class CDatabase;

// Removes the entry and writes the data file; an unknown number changes nothing.
void DeleteEntry(CDatabase& store, int entryNumber);
