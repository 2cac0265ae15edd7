#pragma once
// Step (4) of the main window: the user chooses an entry type and a category, fills in that
// form and its follow-up forms, and comes back to choose again until he or she leaves.
class CDatabase;

void EditDanceEntries(CDatabase& store);
