#pragma once
// The end of a studio's session: its data file is written one last time before the store forgets
// it.

class CDatabase;

// Writes the data file (when there is a studio to write), then empties the studio's arrays, and
// the competition's too unless `keepSetup`.
void SaveAndClear(CDatabase& store, bool keepSetup);
